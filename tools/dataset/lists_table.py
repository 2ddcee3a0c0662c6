"""Price steps (Cost.txt) and effect filter lines (Filter.txt)."""

# Offered by both price choosers; a step may be chosen as the lower or the
# upper bound, so the ladder is dense at the cheap end where most potions lie.
COST_STEPS = [
    0, 5, 10, 15, 20, 25, 30, 40, 50, 60, 75, 100, 125, 150, 175, 200,
    250, 300, 350, 400, 500, 600, 700, 800, 1000, 1250, 1500, 2000,
    2500, 3000, 4000, 5000, 7500, 10000, 15000, 20000, 30000,
]

# Each line selects the effects whose names begin with it (case is ignored).
# A later line wins over an earlier one, so "Урон регенерации" takes those
# effects away from the broader "Урон".
FILTER_LINES = [
    "Восстановление",
    "Регенерация",
    "Усиление",
    "Сопротивление",
    "Урон",
    "Урон регенерации",
    "ослабление",
    "УЯЗВИМОСТЬ",
    "Наведение",
    "Очищение",
    "Невидимость",
    "Паралич",
]
