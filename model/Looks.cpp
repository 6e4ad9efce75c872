#include "Looks.h"

#include "Message.h"

namespace {

constexpr std::array<Look, kMarkCount> kLooks{{
    {kMarkPlain, nullptr},
    {kMarkHighlighted, ZARNI_TEXT("Node", "勝者")},
    {kMarkGreyed, ZARNI_TEXT("Node", "敗者")},
    {kMarkSettled, ZARNI_TEXT("Node", "已排好")},
    {kMarkHeld, ZARNI_TEXT("Node", "留下的敗者")},
    {kMarkFirstGroup, ZARNI_TEXT("Node", "奇數序列")},
    {kMarkSecondGroup, ZARNI_TEXT("Node", "偶數序列")},
}};

constexpr bool EveryLookInItsPlace()
{
    for (int i = 0; i < kMarkCount; ++i)
        if (kLooks[std::size_t(i)].mark != i)
            return false;
    return true;
}
static_assert(EveryLookInItsPlace(), "one row for every look, in the order of its number");

} // namespace

const std::array<Look, kMarkCount> &Looks()
{
    return kLooks;
}
