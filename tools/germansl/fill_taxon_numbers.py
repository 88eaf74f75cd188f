#!/usr/bin/env python3
"""Fills the empty ID, GN and FN cells of key tables from their name column.

    python3 tools/germansl/fill_taxon_numbers.py [--strict] data/tables/VDB_7.tsv ...

The name column is SIP for VDB_3, Familie for VDB_5 and Art for VDB_2 and VDB_7 to VDB_59
(--column names another). A species or subspecies name gives ID, GN and FN from VDB_1, a
genus name GN and FN from VDB_6, a family name FN from VDB_60. Cells that hold a value are
never changed. Names that cannot be resolved are listed on stderr; the exit code is 1 for
them only with --strict.

Names are compared without case, authors and the rank word's spelling ("ssp.", "subsp."),
with "x" as hybrid sign; a name that is not accepted is looked up among the synonyms of
VDB_1 and, when the GermanSL folder is at hand, among all synonyms of GermanSL.
"""

import argparse
import csv
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
DEFAULT_TABLES = os.path.join(REPO, "data", "tables")
DEFAULT_GERMANSL = os.path.join(REPO, "..", "shared", "data", "germansl")

HYBRID_SIGN = "\u00d7"
NAME_COLUMNS = {3: "SIP", 5: "Familie"}
TAXON_COLUMNS = ("ID", "GN", "FN")
RANK_WORDS = {"subsp.": "subsp.", "ssp.": "subsp.", "subsp": "subsp.", "ssp": "subsp.",
              "subspec.": "subsp.", "sect.": "sect.", "sect": "sect.", "var.": "var.",
              "nothosubsp.": "nothosubsp."}
# Lower-case words of author citations.
AUTHOR_PARTICLES = {"ex", "et", "&", "de", "del", "della", "van", "von", "der", "den", "la",
                    "le", "du", "d'", "in", "sensu", "non", "auct.", "emend.", "nom.", "illeg.",
                    "p.", "al."}


class FillError(Exception):
    pass


# ---- Names ----

def canonical(name):
    """A comparable form of a scientific name: without authors, case folded.

    "Ranunculus acris L. ssp. friesianus (Jord.) Syme" -> "ranunculus acris subsp. friesianus"
    "Salix x rubens" -> "salix ×rubens"
    """
    text = " ".join(name.replace('"', " ").split())
    text = re.sub(r"\bsensu stricto\b|\bs\.\s*str\.?(?=\s|$)", "s. str.", text)
    text = re.sub(r"\bsensu lato\b|\bs\.\s*l(at)?\.?(?=\s|$)", "s. l.", text)
    text = re.sub(r"(^|\s)[x×]\s+(?=\S)", lambda m: m.group(1) + HYBRID_SIGN, text)
    tokens = text.split()
    if not tokens:
        return ""
    out = [tokens[0]]
    i = 1
    while i < len(tokens):
        token = tokens[i]
        lower = token.lower()
        if lower in RANK_WORDS and i + 1 < len(tokens):
            out += [RANK_WORDS[lower], tokens[i + 1]]
            i += 2
            continue
        if lower == "s." and i + 1 < len(tokens) and tokens[i + 1].lower() in ("str.", "l."):
            out += ["s.", tokens[i + 1].lower()]
            i += 2
            continue
        if lower in ("agg.", "agg"):
            out.append("agg.")
        elif token[0].islower() and not lower.endswith(".") and lower not in AUTHOR_PARTICLES:
            out.append(token)  # an epithet; authors begin with a capital or a bracket
        elif token.startswith(HYBRID_SIGN) and len(token) > 1 and token[1].islower():
            out.append(token)
        i += 1
    return " ".join(out).casefold()


# ---- Tables ----

def unescape(cell):
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), cell)


def read_tsv(path):
    """Header and rows (dicts) of a table source; the texts are unescaped."""
    with open(path, encoding="utf-8", newline="") as handle:
        lines = handle.read().splitlines()
    if not lines:
        raise FillError(f"{path}: empty file")
    header = lines[0].split("\t")
    rows = []
    for line in lines[1:]:
        if not line:
            continue
        rows.append(dict(zip(header, (unescape(c) for c in line.split("\t")))))
    return header, rows


class Register:
    """The accepted names of VDB_1, VDB_6 and VDB_60 with their numbers."""

    def __init__(self, tables_dir, germansl_dir=None):
        self.species = {}  # canonical name -> (ID, GN, FN, name)
        self.by_id = {}
        self.synonyms = {}  # canonical name -> set of IDs
        self.genera = {}  # canonical name -> (GN, FN, name, accepted name or "")
        self.families = {}  # canonical name -> (FN, name, accepted name or "")
        self._read_species(os.path.join(tables_dir, "VDB_1.tsv"))
        self._read_genera(os.path.join(tables_dir, "VDB_6.tsv"))
        self._read_families(os.path.join(tables_dir, "VDB_60.tsv"))
        if germansl_dir:
            self._read_germansl_synonyms(os.path.join(germansl_dir, "germansl.csv"))

    def _read_species(self, path):
        _, rows = read_tsv(path)
        for row in rows:
            name = " ".join(x for x in (row["Gattung"], row["Art"], row["Unterart"]) if x)
            entry = (row["ID"], row["GN"], row["FN"], name)
            self.species[canonical(name)] = entry
            self.by_id[row["ID"]] = entry
        for row in rows:
            if row.get("Synonym"):
                self._add_synonym(row["Synonym"], row["ID"])

    def _add_synonym(self, name, taxon_id):
        key = canonical(name)
        if key and key not in self.species:
            self.synonyms.setdefault(key, set()).add(taxon_id)

    def _read_genera(self, path):
        _, rows = read_tsv(path)
        names = {row["GN"]: row["Gattung"] for row in rows}
        for row in rows:
            if row.get("GN_SN"):
                target = names.get(row["GN_SN"], "")
                self.genera.setdefault(canonical(row["Gattung"]),
                                       (row["GN_SN"], row["FN"], row["Gattung"], target))
            else:
                self.genera[canonical(row["Gattung"])] = (row["GN"], row["FN"], row["Gattung"], "")

    def _read_families(self, path):
        _, rows = read_tsv(path)
        for row in rows:
            self.families[canonical(row["Familie"])] = (row["FN"], row["Familie"], "")
        for row in rows:
            for older in (row.get("Synonym") or "").split(","):
                key = canonical(older)
                if key and key not in self.families:
                    self.families[key] = (row["FN"], older.strip(), row["Familie"])

    def _read_germansl_synonyms(self, path):
        if not os.path.isfile(path):
            return
        with open(path, encoding="utf-8-sig", newline="") as handle:
            for row in csv.DictReader(handle, delimiter=";"):
                if row.get("SYNONYM", "").strip() != "1" or row.get("GRUPPE", "").strip() \
                        not in ("S", ""):
                    continue
                if re.search(r"\bauct\b|\bsensu\b|\bnon\b|p\. ?p\.", row.get("NameAuthor", "")):
                    continue  # a misapplied name belongs to another taxon
                target = row.get("TaxonConceptID", "").strip()
                if target in self.by_id:
                    self._add_synonym(row.get("TaxonName", ""), target)

    def resolve(self, name, family_only=False):
        """(ID, GN, FN, note) for a name; missing parts are empty. note explains a
        resolution that is not an exact match; None when nothing was found."""
        key = canonical(name)
        if not key:
            return None
        if not family_only:
            found = self._species(key)
            if found:
                return found
            words = key.split()
            if len(words) == 1 and key in self.genera:
                gn, fn, shown, accepted = self.genera[key]
                note = f"genus {shown} is another name of {accepted}" if accepted else ""
                return "", gn, fn, note
        if len(key.split()) == 1 and key in self.families:
            fn, shown, accepted = self.families[key]
            note = f"family {shown} is now {accepted}" if accepted else ""
            return "", "", fn, note
        return None

    def _species(self, key):
        # A plain name stands for the species in the broad sense where GermanSL splits it,
        # an aggregate for the species in the broad sense only; GermanSL writes some hybrid
        # species without the hybrid sign (Salix rubens).
        if key.endswith(" agg."):
            candidates = [key, key[: -len(" agg.")] + " s. l."]
        elif re.search(r" s\. (str|l)\.$", key):
            candidates = [key]
        else:
            candidates = [key, key + " s. l.", key + " s. str."]
        candidates += [c.replace(HYBRID_SIGN, "") for c in candidates if HYBRID_SIGN in c]
        for candidate in candidates:
            if candidate in self.species:
                taxon_id, gn, fn, shown = self.species[candidate]
                return taxon_id, gn, fn, "" if candidate == key else f"taken as {shown}"
        for candidate in candidates:
            ids = self.synonyms.get(candidate, set())
            if len(ids) == 1:
                taxon_id, gn, fn, shown = self.by_id[next(iter(ids))]
                return taxon_id, gn, fn, f"synonym of {shown}"
        return None

    def genus_of(self, name):
        words = canonical(name).split()
        if words and words[0] in self.genera:
            gn, fn, _, _ = self.genera[words[0]]
            return gn, fn
        return None


# ---- Filling ----

def name_column(path, header, override):
    if override:
        if override not in header:
            raise FillError(f"{path}: no column {override}")
        return override
    match = re.fullmatch(r"VDB_(\d+)\.tsv", os.path.basename(path))
    if match:
        number = int(match.group(1))
        if not 2 <= number <= 59 or number in (4, 6):
            raise FillError(f"{path}: not a key table whose numbers are filled from names "
                            "(--column names the name column of another table)")
        column = NAME_COLUMNS.get(number, "Art")
    else:
        column = next((c for c in ("SIP", "Art", "Familie") if c in header), "")
    if column not in header:
        raise FillError(f"{path}: no name column {column or '(SIP, Art or Familie)'}")
    return column


def fill_file(path, register, column_override=None, out=None, err=None):
    """Fills one table source in place; returns the number of unresolved names."""
    out = out or sys.stdout
    err = err or sys.stderr
    with open(path, encoding="utf-8", newline="") as handle:
        text = handle.read()
    newline = "\r\n" if "\r\n" in text else "\n"
    lines = text.split(newline)
    header = lines[0].split("\t") if lines else []
    column = name_column(path, header, column_override)
    targets = [c for c in TAXON_COLUMNS if c in header]
    if not targets:
        raise FillError(f"{path}: none of the columns ID, GN, FN")
    position = {c: header.index(c) for c in header}
    family_only = column == "Familie"
    filled = {c: 0 for c in targets}
    unresolved = 0
    shown_path = path
    for number in range(1, len(lines)):
        if not lines[number]:
            continue
        cells = lines[number].split("\t")
        if len(cells) != len(header):
            print(f"{shown_path}:{number + 1}: {len(cells)} cells, expected {len(header)}; "
                  "row left as it is", file=err)
            continue
        empty = [c for c in targets if not cells[position[c]].strip()]
        if not empty:
            continue
        name = unescape(cells[position[column]]).strip()
        where = f"{shown_path}:{number + 1}: {name}"
        given_id = cells[position["ID"]].strip() if "ID" in position else ""
        result = None
        if given_id:
            entry = register.by_id.get(given_id)
            if entry is None:
                print(f"{where}: ID {given_id} is not in VDB_1", file=err)
                unresolved += 1
                continue
            result = (given_id, entry[1], entry[2], "")
        elif name:
            result = register.resolve(name, family_only)
        if result is None:
            if not name:
                continue
            genus = None if family_only else register.genus_of(name)
            unresolved += 1
            if genus:
                result = ("", genus[0], genus[1], "")
                print(f"{where}: not found in VDB_1; genus numbers filled", file=err)
            else:
                print(f"{where}: not found", file=err)
                continue
        values = dict(zip(TAXON_COLUMNS, result[:3]))
        if result[3]:
            print(f"{where}: {result[3]}", file=err)
        for c in empty:
            if values[c]:
                cells[position[c]] = values[c]
                filled[c] += 1
        for c in targets:
            old = cells[position[c]].strip()
            if c not in empty and values[c] and old != values[c]:
                print(f"{where}: {c} is {old}, the name gives {values[c]}; kept", file=err)
        lines[number] = "\t".join(cells)
    new_text = newline.join(lines)
    if new_text != text:
        temporary = path + ".tmp"
        with open(temporary, "w", encoding="utf-8", newline="") as handle:
            handle.write(new_text)
        os.replace(temporary, path)
    counts = ", ".join(f"{c} {filled[c]}" for c in targets)
    print(f"{shown_path}: filled {counts}; {unresolved} unresolved", file=out)
    return unresolved


def main(argv=None):
    parser = argparse.ArgumentParser(
        description="Fills empty ID, GN and FN cells of key tables from their names.")
    parser.add_argument("files", nargs="+", help="key table sources (.tsv)")
    parser.add_argument("--strict", action="store_true",
                        help="exit with 1 when a name cannot be resolved")
    parser.add_argument("--column", help="name column (default: by table number)")
    parser.add_argument("--tables", default=DEFAULT_TABLES,
                        help="folder of VDB_1.tsv, VDB_6.tsv and VDB_60.tsv")
    parser.add_argument("--germansl", default=DEFAULT_GERMANSL,
                        help="GermanSL folder for synonyms (used when present)")
    args = parser.parse_args(argv)
    try:
        register = Register(args.tables, args.germansl)
    except (FillError, OSError, KeyError) as error:
        report(error)
        return 2
    unresolved, failed = 0, False
    for path in args.files:
        try:
            unresolved += fill_file(path, register, args.column)
        except (FillError, OSError) as error:
            report(error)
            failed = True
    if failed:
        return 2
    return 1 if unresolved and args.strict else 0


def report(error):
    message = f"missing column {error}" if isinstance(error, KeyError) else str(error)
    print(f"fill_taxon_numbers.py: {message}", file=sys.stderr)


if __name__ == "__main__":
    sys.exit(main())
