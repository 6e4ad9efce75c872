# The runner-up: after a knock-out tournament, the second best lost to the
# winner, so only the values the winner beat need to play again.
code on
leaves 38 12 91 5 67 44 73 20
say Who is second? Not necessarily the loser of the final.
wait
ID_WINNER_GO
say The second best lost only to the winner: a tournament among the values the winner beat finds it.
wait
second
