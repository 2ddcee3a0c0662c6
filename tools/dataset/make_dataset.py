#!/usr/bin/env python3
"""Writes the bundled data set of QOR Алхимия into data/Files.

Run by hand after editing the tables:
    python3 tools/dataset/make_dataset.py            # check and write
    python3 tools/dataset/make_dataset.py --check    # check only
    python3 tools/dataset/make_dataset.py --report   # also print prices

The tables live in effects_table.py, ingredients_table.py, lists_table.py
and help_text.py; this script turns them into Effects.ini, Items.ini,
Cost.txt, Filter.txt and Help.ini (code page 1251, CR LF line ends) and
writes tools/dataset/pictures.tsv for the picture generator. The output
depends only on the tables, so running it twice gives identical bytes.
"""

import argparse
import collections
import pathlib
import sys
import zlib

sys.dont_write_bytecode = True  # keep the source folder free of caches

import effects_table
import help_text
import ingredients_table
import lists_table
import potion_report

HERE = pathlib.Path(__file__).resolve().parent
DATA_DIR = HERE.parent.parent / "data" / "Files"
PICTURES_TSV = HERE / "pictures.tsv"

ENCODING = "cp1251"
EOL = "\r\n"

# Characters 2..39 of the rest of an Effects.ini line hold the effect name.
EFFECT_NAME_WIDTH = 38
# Blanks between the last number of an Items.ini header and the display name:
# the name starts at character 3 of the rest of the line.
ITEM_NAME_LEAD = "  "
HELP_SEPARATOR = "//***"

DESCR_MARKER = "<"


def stable_hash(text):
    """A hash that does not change between runs (unlike hash())."""
    return zlib.crc32(text.encode("utf-8"))


# ---------------------------------------------------------------- effects


def effect_descr_kind(descr):
    """DescrKind of a description, by the loader's rules."""
    markers = marker_letters(descr)
    if not descr:
        return 0
    if not markers:
        return 1
    if len(markers) == 1:
        return 2 if markers[0] == "D" else 3
    return 4 if markers[0] == "D" else 5


def marker_letters(descr):
    """Letters of the markers the loader will recognise in a description."""
    letters = []
    i = 1  # a description never begins with a marker
    while i < len(descr):
        if descr[i] == DESCR_MARKER:
            letters.append(descr[i + 1] if i + 1 < len(descr) else "")
            i += 4  # the marker and at least one character after it
        else:
            i += 1
    return letters


def format_real(value):
    text = f"{value:.3f}".rstrip("0").rstrip(".")
    return text if text else "0"


def effect_line(base_cost, perk, time_scaled, percent, harmful, eff_class, name, descr):
    numbers = f"{format_real(base_cost):>5} {perk} {time_scaled} {percent} {harmful} {eff_class}"
    rest = " " + name.ljust(EFFECT_NAME_WIDTH) + descr
    return (numbers + rest).rstrip()


def effects_file():
    lines = [effect_line(0, 0, 0, 0, 0, 0, effects_table.PLACEHOLDER_NAME, "")]
    for e in effects_table.EFFECTS:
        lines.append(effect_line(e.base_cost, e.perk_boost, e.time_scaled, e.percent,
                                 e.harmful, e.eff_class, e.name, e.descr))
    return lines


# ------------------------------------------------------------ ingredients

# Per-ingredient variation of an effect's default strength: most ingredients
# carry the default; some a weaker or stronger dose, or a shorter or longer
# one, but never both stronger and longer.
VARIANTS = [(1.0, 1.0)] * 5 + [(1.5, 1.0), (2.0, 1.0), (0.75, 1.0), (1.0, 2.0), (1.0, 0.5), (1.25, 1.5)]


def slot_values(ingredient, effect):
    """Base magnitude and base duration of one effect of one ingredient."""
    power_step, time_step = VARIANTS[stable_hash(ingredient.name + "|" + effect.key) % len(VARIANTS)]
    power, time = effect.power, effect.time
    if effect.eff_class == 5:
        return power, time  # no magnitude nor duration: only the price counts
    if effect.time_scaled:
        # The skill scales the duration: the variation goes there.
        step = max(power_step, time_step) if power_step >= 1 else power_step
        time = max(1, round(time * step))
        if effect.key == "DL":
            power = max(1, round(power * time_step))
        return power, time
    if effect.percent:
        # A strong dose would push resistances and weaknesses past 100 % at
        # the highest skill and perks.
        power_step = min(power_step, 1.25)
    power = max(1, round(power * power_step))
    if time > 0:
        time = max(5, 5 * round(time * time_step / 5))
    return power, time


def ingredient_id(index, ingredient):
    """A realistic 8-hex-digit game ID; written in decimal, "$" or "0x" form."""
    h = stable_hash(ingredient.latin)
    plugin = 0x00 if index <= 100 else 0x02  # later ingredients come from an add-on
    value = (plugin << 24) | 0x00010000 | (h & 0x0000FFFF) | ((h >> 16) & 0x7) << 16
    form = index % 3
    if form == 0:
        return value, f"${value:08X}"
    if form == 1:
        digits = f"{value:08x}" if index % 7 == 1 else f"{value:08X}"
        return value, "0x" + digits
    return value, str(value)


def name_column_width():
    longest = max(len(i.name) for i in ingredients_table.INGREDIENTS)
    return max(longest, len(ingredients_table.PLACEHOLDER_NAME)) + 2


def item_header(id_token, weight, cost, extra, name, latin, width):
    numbers = f"{id_token:>11} {format_real(weight):>4} {cost:>3} {extra:>3}"
    return numbers + ITEM_NAME_LEAD + name.ljust(width) + "/" + latin


def items_file():
    width = name_column_width()
    effects = {e.key: (n, e) for n, e in enumerate(effects_table.EFFECTS, start=1)}
    lines = [item_header("0", 0, 0, 0, ingredients_table.PLACEHOLDER_NAME,
                         ingredients_table.PLACEHOLDER_LATIN, width)]
    lines += [f"{0:>3} {0:>3} {0:>4}"] * 4
    for index, ing in enumerate(ingredients_table.INGREDIENTS, start=1):
        _, id_token = ingredient_id(index, ing)
        extra = stable_hash(ing.name) & 0xFF
        lines.append(item_header(id_token, ing.weight, ing.cost, extra, ing.name, ing.latin, width))
        for key in ing.effects:
            number, effect = effects[key]
            power, time = slot_values(ing, effect)
            lines.append(f"{number:>3} {power:>3} {time:>4}")
    return lines


# ------------------------------------------------------------ other files


def help_file():
    lines = []
    for title, body in help_text.TOPICS:
        lines.append(title)
        lines.extend(body.strip("\n").split("\n"))
        lines.append(HELP_SEPARATOR)
    return lines


def pictures_lines():
    return [f"{n}\t{i.emoji}\t{i.hue}\t{i.name}"
            for n, i in enumerate(ingredients_table.INGREDIENTS, start=1)]


# ---------------------------------------------------------------- checks


class Checker:
    def __init__(self):
        self.errors = []

    def expect(self, condition, message):
        if not condition:
            self.errors.append(message)


def check_tables():
    c = Checker()
    effects = effects_table.EFFECTS
    ingredients = ingredients_table.INGREDIENTS
    keys = [e.key for e in effects]
    c.expect(len(effects) >= 50, f"only {len(effects)} effects")
    c.expect(len(ingredients) >= 120, f"only {len(ingredients)} ingredients")
    c.expect(len(set(keys)) == len(keys), "duplicate effect keys")
    c.expect(len({e.name.upper() for e in effects}) == len(effects), "duplicate effect names")
    c.expect(len({i.name.upper() for i in ingredients}) == len(ingredients), "duplicate ingredient names")
    c.expect(len({i.latin for i in ingredients}) == len(ingredients), "duplicate Latin names")

    for e in effects:
        c.expect(0 < len(e.name) <= EFFECT_NAME_WIDTH and e.name == e.name.strip(),
                 f"effect name does not fit: {e.name}")
        c.expect(0.1 <= e.base_cost <= 20, f"{e.name}: base cost {e.base_cost}")
        for flag in (e.perk_boost, e.time_scaled, e.percent, e.harmful):
            c.expect(flag in (0, 1), f"{e.name}: flag {flag}")
        c.expect(0 <= e.eff_class <= 8, f"{e.name}: class {e.eff_class}")
        c.expect(not e.descr.startswith(DESCR_MARKER), f"{e.name}: description starts with a marker")
        c.expect(e.descr.count(DESCR_MARKER) == len(marker_letters(e.descr)) <= 2,
                 f"{e.name}: stray or too many markers")
        c.expect(all(e.descr[i:i + 3].endswith(">") for i in range(len(e.descr))
                     if e.descr[i] == DESCR_MARKER), f"{e.name}: malformed marker")
        c.expect(len(e.descr) <= 999, f"{e.name}: description too long")
        c.expect(e.descr == e.descr.rstrip(), f"{e.name}: trailing blanks")
        markers = marker_letters(e.descr)
        shows_time = e.eff_class not in (5, 6, 7, 8) and (e.time_scaled or e.time > 1)
        shows_power = e.eff_class not in (4, 5)
        c.expect(("D" in markers) <= shows_time, f"{e.name}: duration marker without a duration")
        c.expect((len([m for m in markers if m != "D"]) > 0) <= shows_power,
                 f"{e.name}: magnitude marker without a magnitude")
        if e.eff_class in (6, 7, 8):
            c.expect(e.time == 0 and not e.time_scaled, f"{e.name}: class {e.eff_class} with a duration")
        if e.eff_class in (1, 2, 3):
            c.expect(e.harmful == 0, f"{e.name}: healing class on a harmful effect")

    kinds = {effect_descr_kind(e.descr) for e in effects}
    c.expect(kinds == set(range(6)), f"description kinds present: {sorted(kinds)}")
    classes = {e.eff_class for e in effects}
    c.expect(classes == set(range(9)), f"effect classes present: {sorted(classes)}")
    for field in ("perk_boost", "time_scaled", "percent", "harmful"):
        c.expect({getattr(e, field) for e in effects} == {0, 1}, f"flag {field} not used both ways")

    counts = collections.Counter(k for i in ingredients for k in i.effects)
    for i in ingredients:
        c.expect(len(i.effects) == 4, f"{i.name}: {len(i.effects)} effects")
        c.expect(len(set(i.effects)) == len(i.effects), f"{i.name}: the same effect twice")
        for k in i.effects:
            c.expect(k in keys, f"{i.name}: unknown effect {k}")
        c.expect(i.name == i.name.strip() and i.name, f"bad name {i.name!r}")
        c.expect("/" not in i.name, f"{i.name}: '/' in the display name")
        c.expect(i.latin.isascii() and i.latin == i.latin.strip(), f"{i.name}: Latin name {i.latin!r}")
        c.expect(0 < i.weight <= 50, f"{i.name}: weight {i.weight}")
        c.expect(0 <= i.cost <= 1000, f"{i.name}: cost {i.cost}")
        c.expect(0 <= i.hue < 360, f"{i.name}: hue {i.hue}")
    for k in keys:
        c.expect(2 <= counts[k] <= 15, f"effect {k} on {counts[k]} ingredients")
    c.expect(sum(1 for k in keys if counts[k] <= 3) >= 4, "too few rare effects")
    c.expect(sum(1 for k in keys if counts[k] >= 10) >= 10, "too few common effects")

    pictures = collections.Counter((i.emoji, i.hue) for i in ingredients)
    for (emoji, hue), n in pictures.items():
        c.expect(n == 1, f"{n} ingredients share the picture {emoji} {hue}")

    ids = [ingredient_id(n, i)[0] for n, i in enumerate(ingredients, start=1)]
    c.expect(len(set(ids)) == len(ids), "duplicate ingredient IDs")
    c.expect(all(0 < v <= 0x7FFFFFFF for v in ids), "ID out of the int32 range")

    for title, body in help_text.TOPICS:
        c.expect(title and title != HELP_SEPARATOR and body.strip(), f"help topic {title!r}")
        c.expect(HELP_SEPARATOR not in body.split("\n"), f"help topic {title!r} holds a separator")
    for line in lists_table.FILTER_LINES:
        # The loader compares the whole line, blanks included, with the
        # beginning of each effect name.
        c.expect(line and line == line.strip(), f"filter line {line!r} has blanks at an end")
        c.expect(any(e.name.upper().startswith(line.upper()) for e in effects),
                 f"filter line {line!r} selects no effect")
        c.expect(not effects_table.PLACEHOLDER_NAME.upper().startswith(line.upper()),
                 f"filter line {line!r} selects the placeholder effect")
    c.expect(lists_table.COST_STEPS[0] == 0, "the price ladder must start at 0")
    c.expect(all(0 <= v <= 30000 for v in lists_table.COST_STEPS), "price step out of range")
    c.expect(lists_table.COST_STEPS == sorted(lists_table.COST_STEPS), "price ladder not ascending")
    return c.errors, counts


def split_numbers(line, count):
    """Reads count number tokens the way the loader does; returns them and the
    rest of the line (which starts with the blank after the last token)."""
    tokens, pos = [], 0
    for _ in range(count):
        while pos < len(line) and ord(line[pos]) <= 32:
            pos += 1
        start = pos
        while pos < len(line) and ord(line[pos]) > 32:
            pos += 1
        tokens.append(line[start:pos])
    return tokens, line[pos:]


def is_integer_token(token):
    body = token[1:] if token[:1] in "+-" else token
    for prefix in ("$", "0x", "0X", "x", "X"):
        if body.startswith(prefix) and len(body) > len(prefix):
            return all(ch in "0123456789abcdefABCDEF" for ch in body[len(prefix):])
    return body.isdigit()


def is_real_token(token):
    try:
        float(token)
    except ValueError:
        return False
    return token.lower() not in ("nan", "inf", "-inf", "+inf", "infinity")


def check_files(files):
    """Reads the texts back as the loader will and compares with the tables."""
    c = Checker()
    for name, lines in files.items():
        for n, line in enumerate(lines, start=1):
            try:
                line.encode(ENCODING)
            except UnicodeEncodeError as err:
                c.expect(False, f"{name}:{n}: not in code page 1251: {err}")
            c.expect("\r" not in line and "\n" not in line, f"{name}:{n}: line break inside a line")
        c.expect(bool(lines) and lines[-1] != "", f"{name}: empty last line")

    for n, line in enumerate(files["Effects.ini"]):
        tokens, rest = split_numbers(line, 6)
        c.expect(is_real_token(tokens[0]) and all(is_integer_token(t) for t in tokens[1:]),
                 f"Effects.ini line {n + 1}: bad numbers {tokens}")
        expected = effects_table.EFFECTS[n - 1] if n else None
        c.expect(rest[1:39].rstrip() == (expected.name if n else effects_table.PLACEHOLDER_NAME),
                 f"Effects.ini line {n + 1}: name cut wrongly")
        c.expect(rest[39:] == (expected.descr if n else ""),
                 f"Effects.ini line {n + 1}: description cut wrongly")

    items = files["Items.ini"]
    c.expect(len(items) % 5 == 0, "Items.ini: not five lines per record")
    slash = None
    for n in range(len(items) // 5):
        tokens, rest = split_numbers(items[5 * n], 4)
        c.expect(is_integer_token(tokens[0]) and is_real_token(tokens[1])
                 and is_integer_token(tokens[2]) and is_integer_token(tokens[3]),
                 f"Items.ini record {n}: bad numbers {tokens}")
        if slash is None:
            c.expect("/" in rest, "Items.ini: the placeholder record has no '/'")
            slash = rest.rfind("/") + 1  # 1-based column
        expected = ingredients_table.INGREDIENTS[n - 1] if n else None
        name = expected.name if n else ingredients_table.PLACEHOLDER_NAME
        latin = expected.latin if n else ingredients_table.PLACEHOLDER_LATIN
        c.expect(rest[2:slash - 1].rstrip() == name, f"Items.ini record {n}: display name cut wrongly")
        c.expect(rest[slash:] == latin, f"Items.ini record {n}: second name cut wrongly")
        for j in range(1, 5):
            slot, extra = split_numbers(items[5 * n + j], 3)
            c.expect(all(is_integer_token(t) for t in slot) and not extra.strip(),
                     f"Items.ini record {n} slot {j}: bad line")

    titles, bodies, body = [], [], []
    expect_title = True
    for line in files["Help.ini"]:
        line = line.rstrip("".join(chr(n) for n in range(33)))
        if expect_title:
            titles.append(line)
            expect_title = False
        elif line == HELP_SEPARATOR:
            if body:
                bodies.append(body)
            body, expect_title = [], True
        else:
            body.append(line)
    c.expect(expect_title and not body, "Help.ini does not end with a separator")
    c.expect(titles == [t for t, _ in help_text.TOPICS] and len(bodies) == len(titles),
             "Help.ini titles and bodies do not pair up")
    return c.errors


# ---------------------------------------------------------------- main


def all_files():
    return {
        "Effects.ini": effects_file(),
        "Items.ini": items_file(),
        "Cost.txt": [str(v) for v in lists_table.COST_STEPS],
        "Filter.txt": list(lists_table.FILTER_LINES),
        "Help.ini": help_file(),
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="check only, write nothing")
    parser.add_argument("--report", action="store_true", help="print effect counts and prices")
    parser.add_argument("--out", type=pathlib.Path, default=DATA_DIR, help="output folder")
    args = parser.parse_args()

    errors, counts = check_tables()
    files = all_files()
    errors += check_files(files)
    if args.report:
        potion_report.print_report(slot_values, counts)
    if errors:
        for e in errors:
            print("error:", e, file=sys.stderr)
        return 1
    if args.check:
        return 0
    args.out.mkdir(parents=True, exist_ok=True)
    for name, lines in files.items():
        data = EOL.join(lines) + EOL
        (args.out / name).write_bytes(data.encode(ENCODING))
    PICTURES_TSV.write_bytes(("\n".join(pictures_lines()) + "\n").encode("utf-8"))
    print(f"wrote {len(files)} files to {args.out} "
          f"({len(effects_table.EFFECTS)} effects, {len(ingredients_table.INGREDIENTS)} ingredients)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
