# Winner and loser trees: the same knock-out tournament, keeping the winner
# of each match or its loser.
code on
leaves 38 12 91 5 67 44 73 20
say Eight players on the leaves. In a winner tree each node keeps the winner of its match.
wait
ID_WINNER_GO
say The root holds the winner. Change a leaf and only its path to the root plays again.
wait
leaf 11 99
say A loser tree keeps each match's loser instead; node 0 holds the overall winner.
wait
tree loser
ID_WINNER_GO
