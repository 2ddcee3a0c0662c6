"""Prints what a player finds in the data set: prices per effect, the potions
and poisons that pairs of ingredients make, and effects no pair can give.

Mirrors the program's strength and price rules closely enough to judge the
data (the program itself is the reference for exact values).
"""

import collections
import math

import effects_table
import ingredients_table


def _price(effect, power, time, v):
    if effect.time_scaled:
        m = (v * power if power > 0 else v) / 10
    else:
        m = (time / 10) * v if time > 0 else v
    c = effect.base_cost * (m ** 1.1 if m > 0 else 0.0)
    whole = math.trunc(c)
    return whole + (1 if c - whole > 0.8 else 0)


def slot_strengths(slot_values, skill):
    """Per ingredient: a list of (effect number, power, time, price) at the skill,
    no fortify, no perks."""
    numbers = {e.key: (n, e) for n, e in enumerate(effects_table.EFFECTS, start=1)}
    table = []
    for ing in ingredients_table.INGREDIENTS:
        slots = []
        for key in ing.effects:
            n, e = numbers[key]
            power, time = slot_values(ing, e)
            x = (2 * skill / 100 + 4) * (time if e.time_scaled else power)
            shown_power = power if e.time_scaled else round(x)
            shown_time = round(x) if e.time_scaled else (time if time > 1 else 0)
            if e.eff_class in (4, 5):
                shown_power = 0
            if e.eff_class in (5, 6, 7, 8):
                shown_time = 0
            slots.append((n, shown_power, shown_time, _price(e, power, time, x)))
        table.append(slots)
    return table


def evaluate_pair(a, b):
    """Effects shared by two ingredients, each with the dearer slot, dearest first."""
    shared = []
    for sa in a:
        for sb in b:
            if sa[0] == sb[0]:
                shared.append(sb if sb[3] > sa[3] else sa)
    shared.sort(key=lambda s: -s[3])
    return shared


def print_report(slot_values, counts, skill=15):
    effects = effects_table.EFFECTS
    names = [i.name for i in ingredients_table.INGREDIENTS]
    table = slot_strengths(slot_values, skill)

    print(f"effect                           on   prices at skill {skill}")
    for n, e in enumerate(effects, start=1):
        prices = [s[3] for slots in table for s in slots if s[0] == n]
        print(f"  {e.name:32} {counts[e.key]:3}   {min(prices):4} .. {max(prices):<5}")

    main_effect = collections.Counter()
    single = collections.Counter()
    potions, poisons, empty = [], [], 0
    for i in range(len(table)):
        for j in range(i + 1, len(table)):
            shared = evaluate_pair(table[i], table[j])
            if not shared:
                empty += 1
                continue
            head = effects[shared[0][0] - 1]
            main_effect[head.key] += 1
            if len(shared) == 1:
                single[head.key] += 1
            price = sum(s[3] for s in shared)
            text = f"{price:5}  {names[i]} + {names[j]}: " + ", ".join(
                effects[s[0] - 1].name for s in shared)
            (poisons if head.harmful else potions).append((price, text))
    pairs = len(table) * (len(table) - 1) // 2
    print(f"\npairs: {pairs}, recipes: {pairs - empty} "
          f"({len(potions)} potions, {len(poisons)} poisons)")
    print("effects that lead no pair:",
          ", ".join(e.name for e in effects if main_effect[e.key] == 0) or "none")
    print("effects without a one-effect pair:",
          ", ".join(e.name for e in effects if single[e.key] == 0) or "none")
    for title, found in (("dearest potions", potions), ("dearest poisons", poisons)):
        print(f"\n{title}:")
        for _, text in sorted(found, reverse=True)[:8]:
            print("  " + text)
