#!/usr/bin/env python3
"""Converts the GermanSL reference list into Verdan's species table VDB_1, genus list VDB_6
and family list VDB_60 (text sources in data/tables/).

    python3 tools/germansl/convert.py [GERMANSL_DIR] [--out DATA_TABLES_DIR]
                                      [--merkmale CHARACTERS_TSV] [--keys KEY_TABLES_DIR]

GERMANSL_DIR holds germansl.csv and ecodbase.csv (default: ../shared/data/germansl relative
to the repository). The descriptive columns of the species (height, flowering time, flower
colour, status, frequency, Red List) come from the project's own list merkmale.tsv beside
this script. Aggregates ("agg.") are kept only where a key table of KEY_TABLES_DIR (default
data/tables) names them. Only the standard library is used; the output is deterministic, so
a second run on the same release changes nothing.
"""

import argparse
import csv
import os
import re
import sys
from collections import defaultdict

from fill_taxon_numbers import NAME_COLUMNS

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
DEFAULT_SOURCE = os.path.join(REPO, "..", "shared", "data", "germansl")
DEFAULT_OUT = os.path.join(REPO, "data", "tables")
GERMAN_FAMILY_NAMES = os.path.join(HERE, "familien_deutsch.tsv")
GERMAN_GENUS_NAMES = os.path.join(HERE, "gattungen_deutsch.tsv")
CHARACTERS = os.path.join(HERE, "merkmale.tsv")
# Key tables whose rows name taxa; the family key names families.
TAXON_KEYS = [2, 3, *range(7, 60)]

HYBRID_SIGN = "\u00d7"

# Genus keys of the catalogue: genus name -> the key's Name. Segregate genera that the key
# covers in the broad sense lead to the same key.
GENUS_KEYS = {
    "Allium": "Allium",
    "Amaranthus": "Amaranthus",
    "Artemisia": "Artemisia",
    "Atriplex": "Atriplex",
    "Bromus": "Bromus",
    "Campanula": "Campanula",
    "Carex": "Carex",
    "Chenopodium": "Chenopodium",
    "Dactylorhiza": "Dactylorhiza",
    "Epilobium": "Epilobium",
    "Equisetum": "Equisetum",
    "Euphorbia": "Euphorbia",
    "Euphrasia": "Euphrasia",
    "Festuca": "Festuca",
    "Gagea": "Gagea",
    "Gentiana": "Gentiana",
    "Gentianella": "Gentiana",
    "Gentianopsis": "Gentiana",
    "Comastoma": "Gentiana",
    "Geranium": "Geranium",
    "Glyceria": "Glyceria Puccinellia",
    "Puccinellia": "Glyceria Puccinellia",
    "Hieracium": "Hieracium",
    "Pilosella": "Hieracium",
    "Hypericum": "Hypericum",
    "Iris": "Iris",
    "Juncus": "Juncus",
    "Luzula": "Luzula",
    "Oenothera": "Oenothera",
    "Orobanche": "Orobanche",
    "Pedicularis": "Pedicularis",
    "Pinus": "Pinus",
    "Poa": "Poa",
    "Polygonum": "Polygonum",
    "Persicaria": "Polygonum",
    "Bistorta": "Polygonum",
    "Fallopia": "Polygonum",
    "Aconogonon": "Polygonum",
    "Populus": "Populus",
    "Potamogeton": "Potamogeton",
    "Potentilla": "Potentilla",
    "Prunus": "Prunus",
    "Quercus": "Quercus",
    "Ranunculus": "Ranunculus",
    "Batrachium": "Ranunculus B",
    "Rhinanthus": "Rhinanthus",
    "Rosa": "Rosa",
    "Rumex": "Rumex",
    "Salix": "Salix",
    "Sorbus": "Sorbus",
    "Veronica": "Veronica",
    "Viola": "Viola",
}

# Conserved alternative family names, still common in floras.
ALTERNATIVE_FAMILY_NAMES = {
    "Apiaceae": "Umbelliferae",
    "Arecaceae": "Palmae",
    "Asteraceae": "Compositae",
    "Brassicaceae": "Cruciferae",
    "Clusiaceae": "Guttiferae",
    "Fabaceae": "Leguminosae",
    "Lamiaceae": "Labiatae",
    "Poaceae": "Gramineae",
}

# Ellenberg's life forms (ecodbase LF_LEB) -> item codes of the criterion "Lebensform" of
# key 1. Hemicryptophytes, geophytes, herbaceous chamaephytes and hydrophytes are perennial
# herbs; biennials hide among the hemicryptophytes and show only where a therophyte is also
# a hemicryptophyte (see life_form_codes).
LIFE_FORMS = {
    "P": "B",  # phanerophyte: tree
    "N": "S",  # nanophanerophyte: shrub
    "Z": "Zw",  # woody chamaephyte: dwarf shrub
    "C": "P",  # herbaceous chamaephyte: perennial herb
    "H": "P",  # hemicryptophyte
    "G": "P",  # geophyte
    "A": "P",  # hydrophyte
    "T": "E",  # therophyte: annual
}
WOODY = {"P", "N", "Z"}
# Records of the trait table that field guides contradict, by TaxonUsageID, with the life
# form that holds. Both read "N,C": a chamaephyte beside a shrub form.
LIFE_FORM_CORRECTIONS = {
    "5182": "N,Z",  # Salix myrtilloides: a low shrub; its chamaephyte form is woody
    "1652": "G",  # Cornus suecica: a herb whose shoots die back to the rhizome, no shrub
}

VDB_1_COLUMNS = [
    ("ID", "I"),
    ("FN", "I"),
    ("GN", "I"),
    ("Markierung", "A2"),
    ("Unterarten", "A1"),
    ("Pflanzenbestimmung", "A1"),
    ("Familie", "A5"),
    ("Gattung", "A21"),
    ("Art", "A21"),
    ("Autor", "A45"),
    ("Unterart", "A25"),
    ("Autor1", "A45"),
    ("Text", "M"),
    ("Memotext", "A1"),
    ("AT_Familie", "A50"),
    ("AT_Beschreibung", "M"),
    ("Deutsch", "A60"),
    ("Synonym", "A70"),
    ("Lebensform", "A10"),
    ("Höhe 1", "A8"),
    ("Höhe 2", "A9"),
    ("Blütezeit 1", "A3"),
    ("Blütezeit 2", "A3"),
    ("Blütenfarbe", "A18"),
    ("D-Status", "A10"),
    ("Bundesländer", "A20"),
    ("Häufigkeit", "A50"),
    ("Rote Liste", "A1"),
    ("Wisskirchen", "A5"),
    ("Haeupler", "A6"),
    ("AT_DFamilie", "A50"),
    ("RelID", "I"),
]
VDB_1_INDEXES = [
    ("@primary", ["ID"]),
    ("IX_ArtSuche", ["Gattung", "Art", "Unterart"]),
    ("VDB_1_RelID_IX", ["RelID"]),
]

VDB_6_COLUMNS = [
    ("GN", "I"),
    ("Gattung", "A30"),
    ("D-Gattung", "A60"),
    ("FN", "I"),
    ("GR", "A25"),
    ("GN_SN", "I"),
    ("RelID", "I"),
    ("Bestimmung", "M"),
]
VDB_6_INDEXES = [
    ("@primary", ["GN"]),
    ("Gattungsliste_GN_SN_IX", ["GN", "GN_SN"]),
    ("Gattungsliste_RelID_IX", ["RelID"]),
]

VDB_60_COLUMNS = [
    ("FN", "I"),
    ("Familie", "A30"),
    ("D-Familie", "A60"),
    ("Synonym", "A100"),
    ("GR", "A25"),
    ("ID", "I"),
    ("RelID", "I"),
]
VDB_60_INDEXES = [
    ("@primary", ["FN"]),
    ("Familienliste_FN_IX", ["FN"]),
    ("Familienliste_RelID_IX", ["RelID"]),
]

# A few author fields of GermanSL were stored twice UTF-8 encoded.
MOJIBAKE = {
    "Ã¶": "ö",
    "Ã¤": "ä",
    "Ã¼": "ü",
    "ÃŒ": "ü",
    "Ã€": "ä",
    "Ã\x9f": "ß",
    "Ã©": "é",
    "Ã¨": "è",
    "Ã¡": "á",
    "Ã²": "ò",
    "Ã³": "ó",
    "Ã\xad": "í",
}


class ConversionError(Exception):
    pass


def clean(text):
    """Trims a source text, repairs double-encoded letters and collapses blanks."""
    text = (text or "").replace("\x00", "")
    if "Ã" in text:
        for bad, good in MOJIBAKE.items():
            text = text.replace(bad, good)
    return " ".join(text.split())


def read_csv(path):
    with open(path, encoding="utf-8-sig", newline="") as handle:
        reader = csv.reader(handle, delimiter=";", quotechar='"')
        header = next(reader, None)
        if header is None:
            raise ConversionError(f"{path}: empty file")
        # ecodbase.csv names its columns with their dBase types: "OEK_L,N,5,0".
        names = [name.split(",")[0].strip() for name in header]
        return [dict(zip(names, row)) for row in reader if row]


def read_sources(source_dir):
    taxa_path = os.path.join(source_dir, "germansl.csv")
    eco_path = os.path.join(source_dir, "ecodbase.csv")
    for path in (taxa_path, eco_path):
        if not os.path.isfile(path):
            raise ConversionError(f"{path}: not found")
    taxa = read_csv(taxa_path)
    for column in ("TaxonUsageID", "TaxonName", "NameAuthor", "SYNONYM", "TaxonConceptID",
                   "VernacularName", "TaxonRank", "GRUPPE", "IsChildTaxonOfID", "HYBRID"):
        if taxa and column not in taxa[0]:
            raise ConversionError(f"{taxa_path}: column {column} missing")
    eco = read_csv(eco_path)
    return taxa, eco


def read_key_aggregates(tables_dir):
    """The comparable names of the aggregates ("… agg.") that the key tables name."""
    names = set()
    if not os.path.isdir(tables_dir):
        return names
    for number in TAXON_KEYS:
        column = NAME_COLUMNS.get(number, "Art")
        path = os.path.join(tables_dir, f"VDB_{number}.tsv")
        if not os.path.isfile(path):
            continue
        with open(path, encoding="utf-8") as handle:
            lines = handle.read().splitlines()
        header = lines[0].split("\t") if lines else []
        if column not in header:
            raise ConversionError(f"{path}: no name column {column}")
        position = header.index(column)
        for line in lines[1:]:
            cells = line.split("\t")
            if position < len(cells) and cells[position].split()[-1:] == ["agg."]:
                names.add(comparable_name(cells[position]))
    return names


def read_german_names(path):
    names = {}
    if not os.path.isfile(path):
        return names
    with open(path, encoding="utf-8") as handle:
        for number, line in enumerate(handle, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != 2 or not fields[0] or not fields[1]:
                raise ConversionError(f"{path}:{number}: expected <name><TAB><German name>")
            names[fields[0]] = fields[1]
    return names


# ---- Life forms ----

def life_form_codes(raw):
    """Maps Ellenberg's life form text to key 1's codes, e.g. "T,H" -> "E, Z"."""
    tokens = [t for t in re.split(r"[,\s]+", clean(raw).replace("(", "").replace(")", "")
                                                    .replace("!", "")) if t]
    forms = []  # (base letter, liana, holoparasite) per token
    for token in tokens:
        base, suffix = token[0].upper(), token[1:].lower()
        if base not in LIFE_FORMS:
            if token.lower() == "li":
                forms.append((None, True, False))
            continue
        forms.append((base, "li" in suffix, "vp" in suffix))
    bases = {base for base, _, _ in forms if base}
    codes = []

    def add(code):
        if code not in codes:
            codes.append(code)

    for base, liana, parasite in forms:
        if base is None:
            add("L")
            continue
        if liana and base in WOODY:
            add("L")  # a woody climber is a liana, not a tree or shrub that stands
        elif base == "H" and "T" in bases:
            add("Z")  # a therophyte that overwinters as a rosette: biennial
        else:
            add(LIFE_FORMS[base])
        if liana:
            add("L")
        if parasite:
            add("Par")
    return ", ".join(codes)


# ---- Names ----

def normalise_hybrid_sign(text):
    """Writes a hybrid sign "x" or "× " as "×" against the following name or epithet."""
    return re.sub(r"(^|\s)[x×]\s+(?=\S)", lambda m: m.group(1) + HYBRID_SIGN, text)


def split_name(name):
    """Splits a GermanSL name into genus, epithet, infraspecific part and a status note.

    "Achillea millefolium subsp. sudetica" -> ("Achillea", "millefolium", "subsp. sudetica", "")
    "Urtica dioica s. l." -> ("Urtica", "dioica", "s. l.", "")
    "Salix × rubens" -> ("Salix", "×rubens", "", "")
    "Taraxacum sect. Ruderalia" -> ("Taraxacum", "sect. Ruderalia", "", "")
    "Ranunculus auricomus agg." -> ("Ranunculus", "auricomus", "agg.", "")
    """
    tokens = normalise_hybrid_sign(clean(name)).split()
    if len(tokens) < 2:
        raise ConversionError(f"cannot split the name {name!r}")
    genus, rest = tokens[0], tokens[1:]
    if rest[0] == "sect." and len(rest) > 1:
        epithet, rest = rest[0] + " " + rest[1], rest[2:]
    else:
        epithet, rest = rest[0], rest[1:]
    infra, note = [], []
    while rest:
        if rest[0] == "subsp." and len(rest) > 1:
            infra += rest[:2]
            rest = rest[2:]
        elif rest[:2] in (["s.", "str."], ["s.", "l."]):
            infra += rest[:2]
            rest = rest[2:]
        elif rest[0] == "agg.":
            infra.append(rest[0])
            rest = rest[1:]
        elif rest[0] == "nom.":
            note, rest = rest, []
        else:
            raise ConversionError(f"cannot split the name {name!r}")
    return genus, epithet, " ".join(infra), " ".join(note)


def normalise_genus(name):
    """The genus name alone: "Coeloglossum (nom. rej. sub Dactylorhiza)" -> "Coeloglossum"."""
    tokens = normalise_hybrid_sign(clean(name)).split()
    return tokens[0] if tokens else ""


def fit_infraspecific(text, width):
    # The rank word is shortened only where the name would not fit otherwise.
    if len(text) > width and text.startswith("subsp. "):
        return "ssp. " + text[len("subsp. "):]
    return text


def clean_author(text):
    author = clean(text)
    return "" if author in ("-", "–") else author


def shorten_author(author, width):
    """Fits an author citation into width characters: first the authors before "ex" are
    left out (as botanical usage allows), then remarks behind the citation, finally the
    text is cut."""
    if len(author) <= width:
        return author
    shorter = re.sub(r"(^|\(|\)\s+)[^()]*? ex ", r"\1", author)
    if len(shorter) > width:
        shorter = re.split(r",| pro | sensu | \((?=[^)]*\)$)", shorter)[0].strip()
    if len(shorter) > width:
        shorter = shorter[: width - 1].rstrip() + "…"
    return shorter


def fit(text, width, what, warnings):
    if len(text) <= width:
        return text
    warnings.append(f"{what}: {text!r} cut to {width} characters")
    return text[: width - 1].rstrip() + "…"


# ---- Selection ----

def is_hybrid(row):
    name = normalise_hybrid_sign(clean(row["TaxonName"]))
    return row["HYBRID"].strip().lower() == "x" or HYBRID_SIGN in name


def comparable_name(name):
    """A taxon name as key tables and GermanSL are compared: blanks collapsed, no case."""
    return " ".join(normalise_hybrid_sign(clean(name)).split()).casefold()


def kept_kind(row, genus_name, key_aggregates=frozenset()):
    """Why an accepted vascular-plant taxon goes into VDB_1, or None when it stays out.
    key_aggregates holds the comparable names of the aggregates that key tables name."""
    rank = row["TaxonRank"]
    name = normalise_hybrid_sign(clean(row["TaxonName"]))
    words = name.split()
    if rank in ("SPE", "SSP"):
        if not is_hybrid(row):
            return "species" if rank == "SPE" or "subsp." in words else None
        # A named hybrid species (Salix ×rubens, ×Festulolium loliaceum) stays, hybrid
        # formulas (Centaurea jacea ×stoebe) and hybrid subspecies do not.
        if rank == "SPE" and len(words) == 2 \
                and sum(word.startswith(HYBRID_SIGN) for word in words) == 1:
            return "hybrid"
        return None
    if rank == "AGG" and len(words) == 4 and words[2:] == ["s.", "l."] \
            and not words[1].startswith(HYBRID_SIGN):
        return "broad species"  # Urtica dioica s. l.: a species in the broad sense
    if rank == "SEC" and genus_name == "Taraxacum":
        return "section"  # dandelions are named by section in practice
    if rank == "AGG" and words[-1] == "agg." and comparable_name(name) in key_aggregates:
        # A key row that stops at the aggregate needs a species row to point to.
        return "aggregate"
    return None


# ---- Conversion ----

class Taxonomy:
    def __init__(self, rows):
        self.rows = rows
        self.by_id = {}
        for row in rows:
            self.by_id.setdefault(row["TaxonUsageID"].strip(), row)

    def ancestor(self, taxon_id, ranks):
        """The nearest ancestor (or the taxon itself) whose rank is in ranks."""
        seen = set()
        current = taxon_id
        while current and current not in seen:
            seen.add(current)
            row = self.by_id.get(current)
            if row is None:
                return None
            if row["TaxonRank"] in ranks:
                return row
            current = row["IsChildTaxonOfID"].strip()
        return None

    def lineage(self, taxon_id):
        names = []
        seen = set()
        current = taxon_id
        while current and current not in seen:
            seen.add(current)
            row = self.by_id.get(current)
            if row is None:
                break
            names.append(row["TaxonName"])
            current = row["IsChildTaxonOfID"].strip()
        return names


def is_vascular(taxonomy, taxon_id):
    # GRUPPE S holds a few lichens; the vascular plants descend from Embryophyta.
    return "Embryophyta" in taxonomy.lineage(taxon_id)


def is_misapplied(synonym):
    return bool(re.search(r"\bauct\b|\bsensu\b|\bnon\b|p\. ?p\.", clean(synonym["NameAuthor"])))


def german_name(row, synonyms):
    """The German name; GermanSL sometimes gives it only on a synonym (Ranunculus nemorosus
    for Ranunculus polyanthemos subsp. nemorosus)."""
    name = clean(row["VernacularName"])
    if name:
        return name
    for synonym in synonyms:
        name = clean(synonym["VernacularName"])
        if name and not is_misapplied(synonym) and not name.startswith("Artengruppe"):
            return name
    return ""


def first_synonym(synonyms, row):
    """The first real synonym of an accepted taxon, preferring one of the same rank."""
    own = clean(row["TaxonName"])
    candidates = []
    for synonym in synonyms:
        name = clean(synonym["TaxonName"])
        if name == own or not name or is_misapplied(synonym):
            continue
        if synonym["TaxonRank"] not in ("SPE", "SSP", "AGG", "SEC"):
            continue
        candidates.append(synonym)
    same_rank = [s for s in candidates if s["TaxonRank"] == row["TaxonRank"]]
    chosen = (same_rank or candidates or [None])[0]
    return clean(chosen["TaxonName"]) if chosen else ""


def family_codes(names):
    """Five-letter codes: the first five letters, or on a clash the first four and the
    first letter that tells the names apart."""
    codes = {}
    by_prefix = defaultdict(list)
    for name in names:
        by_prefix[name[:5]].append(name)
    for prefix, group in by_prefix.items():
        if len(group) == 1:
            codes[group[0]] = prefix
            continue
        for name in group:
            others = [n for n in group if n != name]
            position = next((i for i in range(5, len(name))
                             if all(i >= len(o) or o[i] != name[i] for o in others)),
                            len(name) - 1)
            codes[name] = name[:4] + name[position]
    if len(set(codes.values())) != len(codes):
        raise ConversionError("family codes are not unique")
    return codes


def number_rows(rows):
    for number, row in enumerate(rows, 1):
        row["RelID"] = str(number)


class Conversion:
    """One conversion of a GermanSL release. The German names complete GermanSL, which has
    no German family names and lacks some German genus names."""

    def __init__(self, taxa, eco, german_family_names, german_genus_names,
                 key_aggregates=frozenset()):
        self.taxa = taxa
        self.key_aggregates = key_aggregates
        self.eco = [e for e in eco if e.get("GRUPPE", "S").strip() in ("S", "")]
        self.german_family_names = german_family_names
        self.german_genus_names = german_genus_names
        self.warnings = []
        self.taxonomy = Taxonomy(taxa)
        self.accepted = [r for r in taxa
                         if r["SYNONYM"].strip() == "0" and r["GRUPPE"].strip() == "S"]
        self.synonyms_of = defaultdict(list)
        for row in taxa:
            if row["SYNONYM"].strip() == "1" and row["GRUPPE"].strip() in ("S", ""):
                self.synonyms_of[row["TaxonConceptID"].strip()].append(row)
        self.life_form_by_id = {}
        for entry in self.eco:
            number = entry.get("SPECIES_NR", "").strip()
            value = clean(entry.get("LF_LEB", ""))
            if number and value:
                self.life_form_by_id.setdefault(number, value)
        # Species first: "Urtica dioica s. l." is an aggregate only by rank.
        self.species_by_name = {}
        for rank in ("SPE", "AGG"):
            for row in self.accepted:
                if row["TaxonRank"] == rank:
                    self.species_by_name.setdefault(clean(row["TaxonName"]), row)
        self.genera_by_name = defaultdict(list)
        for row in self.accepted:
            if row["TaxonRank"] == "GAT":
                self.genera_by_name[normalise_genus(row["TaxonName"])].append(row)
        self.kept = self.select()

    def select(self):
        """(taxon, genus, family) of every taxon that goes into VDB_1."""
        kept = []
        for row in self.accepted:
            genus = self.genus_of(row)
            if kept_kind(row, clean(genus["TaxonName"]) if genus else "",
                         self.key_aggregates) is None:
                continue
            if genus is None:
                self.warnings.append(f"{row['TaxonName']}: no genus, left out")
                continue
            family = self.taxonomy.ancestor(genus["IsChildTaxonOfID"].strip(), {"FAM"})
            if family is None:
                self.warnings.append(f"{row['TaxonName']}: no family, left out")
                continue
            if is_vascular(self.taxonomy, row["TaxonUsageID"].strip()):
                kept.append((row, genus, family))
        return kept

    def genus_of(self, row):
        # The genus the name gives, where GermanSL has exactly one such accepted genus: a few
        # parent links point elsewhere (Ranunculus polyanthemos subsp. … below Achillea).
        named = self.genera_by_name.get(normalise_genus(row["TaxonName"]), [])
        if len(named) == 1:
            return named[0]
        return self.taxonomy.ancestor(row["IsChildTaxonOfID"].strip(), {"GAT"})

    def life_form_of(self, row):
        taxon_id = row["TaxonUsageID"].strip()
        if taxon_id in LIFE_FORM_CORRECTIONS:
            return LIFE_FORM_CORRECTIONS[taxon_id]
        if taxon_id in self.life_form_by_id:
            return self.life_form_by_id[taxon_id]
        for synonym in self.synonyms_of.get(taxon_id, []):
            value = self.life_form_by_id.get(synonym["TaxonUsageID"].strip())
            if value:
                return value
        return ""

    def parent_species(self, row, gattung, art):
        """The species of a subspecies, the broad species of a species in the narrow sense."""
        own = clean(row["TaxonName"])
        for name in (f"{gattung} {art}", f"{gattung} {art} s. l.", f"{gattung} {art} s. str."):
            if name != own and name in self.species_by_name:
                return self.species_by_name[name]
        parent = self.taxonomy.by_id.get(row["IsChildTaxonOfID"].strip())
        if parent is not None and parent["TaxonRank"] in ("SPE", "AGG"):
            return parent
        return None

    def species_rows(self):
        codes = family_codes(sorted({clean(f["TaxonName"]) for _, _, f in self.kept}))
        rows = [self.species_row(row, genus, family, codes)
                for row, genus, family in self.kept]
        rows.sort(key=lambda s: (s["Gattung"].casefold(), s["Art"].casefold(),
                                 s["Unterart"].casefold(), int(s["ID"])))
        number_rows(rows)
        return rows

    def species_row(self, row, genus, family, codes):
        taxon_id = row["TaxonUsageID"].strip()
        name = clean(row["TaxonName"])
        gattung, art, unterart, note = split_name(name)
        genus_name = normalise_genus(genus["TaxonName"])
        if gattung != genus_name:
            self.warnings.append(f"{name}: genus in GermanSL is {genus_name}")
        author = " ".join(x for x in (clean_author(row["NameAuthor"]), note) if x)
        parent = None
        if unterart.startswith("subsp.") or unterart == "s. str.":
            parent = self.parent_species(row, gattung, art)
        if unterart.startswith("subsp."):
            autor = clean_author(parent["NameAuthor"]) if parent is not None else ""
            autor1 = author
        else:
            autor, autor1 = author, ""
        life_form = self.life_form_of(row)
        if not life_form and parent is not None:
            # Without a record of its own a subspecies or a species in the narrow sense
            # takes the life form of the taxon it belongs to.
            life_form = self.life_form_of(parent)
        synonyms = self.synonyms_of.get(taxon_id, [])
        family_name = clean(family["TaxonName"])
        what = f"{name} (ID {taxon_id})"
        return {
            "ID": taxon_id,
            "FN": family["TaxonUsageID"].strip(),
            "GN": genus["TaxonUsageID"].strip(),
            "Familie": codes[family_name],
            "Gattung": self.fit(gattung, 21, what),
            "Art": self.fit(art, 21, what),
            "Autor": self.fit(shorten_author(autor, 45), 45, what),
            "Unterart": self.fit(fit_infraspecific(unterart, 25), 25, what),
            "Autor1": self.fit(shorten_author(autor1, 45), 45, what),
            "AT_Familie": family_name,
            "Deutsch": self.fit(german_name(row, synonyms), 60, what),
            "Synonym": self.fit(first_synonym(synonyms, row), 70, what),
            "Lebensform": self.fit(life_form_codes(life_form), 10, what),
            "AT_DFamilie": self.german_family_names.get(family_name, ""),
        }

    def genus_rows(self):
        """The genera with at least one taxon, then the other names that lead to them."""
        genera = {}
        for _, genus, family in self.kept:
            genera[genus["TaxonUsageID"].strip()] = (genus, family)
        rows = []
        for genus_id, (genus, family) in genera.items():
            name = normalise_genus(genus["TaxonName"])
            rows.append({
                "GN": genus_id,
                "Gattung": name,
                "D-Gattung": clean(genus["VernacularName"]) or
                self.german_genus_names.get(name, ""),
                "FN": family["TaxonUsageID"].strip(),
                "GR": GENUS_KEYS.get(name, ""),
                "GN_SN": "",
            })
        rows.sort(key=lambda g: (g["Gattung"].casefold(), int(g["GN"])))
        other_names = self.other_genus_names(genera, rows)
        other_names.sort(key=lambda g: (g["Gattung"].casefold(), int(g["GN"])))
        rows += other_names
        number_rows(rows)
        for row in rows:
            row["Bestimmung"] = ""
            row["Gattung"] = self.fit(row["Gattung"], 30, f"genus {row['GN']}")
            row["D-Gattung"] = self.fit(row["D-Gattung"], 60, f"genus {row['GN']}")
        return rows

    def other_genus_names(self, genera, genus_rows):
        accepted_names = {g["Gattung"] for g in genus_rows}
        german_by_genus = {g["GN"]: g["D-Gattung"] for g in genus_rows}
        rows = []
        for row in self.taxa:
            if row["TaxonRank"] != "GAT" or row["SYNONYM"].strip() != "1" or \
                    row["GRUPPE"].strip() not in ("S", ""):
                continue
            raw_name = normalise_hybrid_sign(clean(row["TaxonName"]))
            name = normalise_genus(raw_name)
            if HYBRID_SIGN in raw_name[1:] or name in accepted_names:
                continue  # a hybrid formula, or a name that is also an accepted genus
            # Batrachium and Pilosella are synonyms of subgenera.
            target = self.taxonomy.ancestor(row["TaxonConceptID"].strip(), {"GAT"})
            if target is None or target["TaxonUsageID"].strip() not in genera:
                continue
            target_id = target["TaxonUsageID"].strip()
            _, family = genera[target_id]
            # Without a German name of its own, another name of a genus is shown under the
            # German name of that genus.
            german = clean(row["VernacularName"]) or self.german_genus_names.get(name, "") \
                or german_by_genus.get(target_id, "")
            key = GENUS_KEYS.get(name, GENUS_KEYS.get(normalise_genus(target["TaxonName"]), ""))
            rows.append({
                "GN": row["TaxonUsageID"].strip(),
                "Gattung": name,
                "D-Gattung": german,
                "FN": family["TaxonUsageID"].strip(),
                "GR": key,
                "GN_SN": target_id,
            })
        return rows

    def family_rows(self):
        families = {}
        for _, _, family in self.kept:
            families[family["TaxonUsageID"].strip()] = family
        older = self.older_family_names()
        rows = []
        for family_id, family in families.items():
            name = clean(family["TaxonName"])
            other_names = sorted(older.get(family_id, set()) - {name})
            if name in ALTERNATIVE_FAMILY_NAMES:
                other_names.insert(0, ALTERNATIVE_FAMILY_NAMES[name])
            rows.append({
                "FN": family_id,
                "Familie": self.fit(name, 30, f"family {family_id}"),
                "D-Familie": self.german_family_names.get(name, ""),
                "Synonym": self.fit(", ".join(other_names), 100, f"family {family_id}"),
                "GR": "",
                "ID": "",
            })
        rows.sort(key=lambda f: f["Familie"].casefold())
        number_rows(rows)
        missing = sorted(f["Familie"] for f in rows if not f["D-Familie"])
        if missing and self.german_family_names:
            self.warnings.append("families without a German name: " + ", ".join(missing))
        return rows

    def older_family_names(self):
        """Family -> names no longer in use: the trait table's families of its taxa and
        GermanSL's family synonyms."""
        current = {clean(r["TaxonName"]) for r in self.accepted if r["TaxonRank"] == "FAM"}
        older = defaultdict(set)
        for entry in self.eco:
            old_name = clean(entry.get("FAMILY", ""))
            if not old_name.endswith("aceae") or old_name in current:
                continue
            row = self.taxonomy.by_id.get(entry.get("SPECIES_NR", "").strip())
            if row is None:
                continue
            taxon_id = row["TaxonConceptID"] if row["SYNONYM"].strip() == "1" \
                else row["TaxonUsageID"]
            family = self.taxonomy.ancestor(taxon_id.strip(), {"FAM"})
            if family is not None:
                older[family["TaxonUsageID"].strip()].add(old_name)
        for row in self.taxa:
            if row["TaxonRank"] == "FAM" and row["SYNONYM"].strip() == "1":
                older[row["TaxonConceptID"].strip()].add(clean(row["TaxonName"]))
        return older

    def fit(self, text, width, what):
        return fit(text, width, what, self.warnings)


def convert(taxa, eco, german_family_names=None, german_genus_names=None,
            key_aggregates=frozenset()):
    """Returns (species rows, genus rows, family rows, notes about the source)."""
    conversion = Conversion(taxa, eco, german_family_names or {}, german_genus_names or {},
                            key_aggregates)
    species = conversion.species_rows()
    genera = conversion.genus_rows()
    families = conversion.family_rows()
    return species, genera, families, conversion.warnings


# ---- Descriptive columns ----

CHARACTER_COLUMNS = ["Blütenfarbe", "Blütezeit 1", "Blütezeit 2", "Höhe 1", "Höhe 2",
                     "D-Status", "Bundesländer", "Häufigkeit", "Rote Liste"]
# Item codes of the criterion columns of key 1; a cell holds several joined by ", ".
FLOWER_COLOURS = ["we", "ge", "or", "ro", "li", "pu", "vi", "bl", "rt", "gr", "br", "sch"]
STATUS_CODES = ["w", "a", "e", "k", "z"]
STATE_CODES = ["BB", "BW", "BY", "HE", "MV", "NI", "NW", "RP", "SH", "SN", "ST", "TH"]
MONTHS = ["Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"]
FREQUENCIES = ["sehr häufig", "häufig", "verbreitet", "zerstreut", "selten", "sehr selten"]
RED_LIST = ["0", "1", "2", "3", "G", "R", "V", "D", "*"]
HEIGHT = re.compile(r"(0|[1-9][0-9]*)(,[0-9]+)?$")


def column_width(name):
    kind = dict(VDB_1_COLUMNS)[name]
    return int(kind[1:]) if kind.startswith("A") else None


def check_codes(value, codes):
    """The reason why a list of item codes is malformed, or None."""
    items = value.split(", ")
    unknown = [item for item in items if item not in codes]
    if unknown:
        return f"unknown code {unknown[0]!r} (known: {' '.join(codes)}; joined by \", \")"
    if len(set(items)) != len(items):
        return "a code given twice"
    return None


def check_character(column, value):
    """The reason why a value does not fit its column, or None."""
    width = column_width(column)
    if width is not None and len(value) > width:
        return f"{value!r} is longer than A{width}"
    if column == "Blütenfarbe":
        return check_codes(value, FLOWER_COLOURS)
    if column == "D-Status":
        return check_codes(value, STATUS_CODES)
    if column == "Bundesländer":
        return check_codes(value, STATE_CODES)
    if column.startswith("Blütezeit") and value not in MONTHS:
        return f"{value!r} is no month ({' '.join(MONTHS)})"
    if column.startswith("Höhe") and not HEIGHT.match(value):
        return f"{value!r} is no height in metres with a decimal comma (0,3)"
    if column == "Häufigkeit" and value not in FREQUENCIES:
        return f"{value!r} is not on the scale ({', '.join(FREQUENCIES)})"
    if column == "Rote Liste" and value not in RED_LIST:
        return f"{value!r} is no Red List category ({' '.join(RED_LIST)})"
    return None


def metres(text):
    return float(text.replace(",", ".")) if HEIGHT.match(text) else None


def read_characters(path):
    """Reads the descriptive columns of the species: {name: (line number, {column: value})}.
    Every fault of the file is collected; any fault fails the conversion."""
    if not os.path.isfile(path):
        raise ConversionError(f"{path}: not found")
    with open(path, encoding="utf-8") as handle:
        lines = handle.read().splitlines()
    expected = ["Name"] + CHARACTER_COLUMNS
    characters, faults = {}, []
    header = None
    for number, line in enumerate(lines, 1):
        if not line.strip() or line.startswith("#"):
            continue
        cells = line.split("\t")
        if header is None:
            header = cells
            if header != expected:
                raise ConversionError(f"{path}:{number}: header must be "
                                      + "<TAB>".join(expected))
            continue
        if len(cells) != len(header):
            faults.append(f"{path}:{number}: {len(cells)} cells, expected {len(header)}")
            continue
        name = " ".join(cells[0].split())
        if name in characters:
            faults.append(f"{path}:{number}: {name}: given twice, first on line "
                          f"{characters[name][0]}")
            continue
        values = {}
        for column, cell in zip(CHARACTER_COLUMNS, cells[1:]):
            value = cell.strip()
            if not value:
                continue
            reason = check_character(column, value)
            if reason:
                faults.append(f"{path}:{number}: {name}: column \"{column}\": {reason}")
            values[column] = value
        low, high = (metres(values.get(column, "")) for column in ("Höhe 1", "Höhe 2"))
        if low is not None and high is not None and low > high:
            faults.append(f"{path}:{number}: {name}: \"Höhe 1\" is above \"Höhe 2\"")
        characters[name] = (number, values)
    if header is None:
        raise ConversionError(f"{path}: no header")
    if faults:
        raise ConversionError("\n".join(faults))
    return characters


def species_name(row):
    return " ".join(part for part in (row["Gattung"], row["Art"], row["Unterart"]) if part)


def merge_characters(species, characters, path):
    """Writes the descriptive columns into the species rows; a name that names no row fails
    the conversion, so a renamed or misspelt species cannot drop out unnoticed."""
    by_name = defaultdict(list)
    for row in species:
        by_name[species_name(row)].append(row)
    faults = []
    for name, (number, _) in characters.items():
        if len(by_name.get(name, [])) != 1:
            what = "no such species" if name not in by_name else "several rows of that name"
            faults.append(f"{path}:{number}: {name}: {what} in VDB_1")
    if faults:
        raise ConversionError("\n".join(faults))
    for name, (_, values) in characters.items():
        by_name[name][0].update(values)
    return len(characters)


# ---- Output ----

def escape(cell):
    return cell.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n").replace("\r", "")


def write_table(out_dir, table, columns, indexes, rows, header_comment):
    schema_path = os.path.join(out_dir, table + ".schema")
    tsv_path = os.path.join(out_dir, table + ".tsv")
    lines = [f"# {line}" for line in header_comment]
    lines += [f"{name}\t{kind}" for name, kind in columns]
    for index_name, index_columns in indexes:
        if index_name == "@primary":
            lines.append("@primary\t" + "\t".join(index_columns))
        else:
            lines.append("@index\t" + index_name + "\t" + "\t".join(index_columns))
    names = [name for name, _ in columns]
    body = ["\t".join(names)]
    for row in rows:
        body.append("\t".join(escape(row.get(name, "")) for name in names))
    for path, text in ((schema_path, lines), (tsv_path, body)):
        temporary = path + ".tmp"
        with open(temporary, "w", encoding="utf-8", newline="\n") as handle:
            handle.write("\n".join(text) + "\n")
        os.replace(temporary, path)


CREDIT = ("Generated by tools/germansl/convert.py from GermanSL 1.5.1 (Jansen & Dengler 2008, "
          "CC BY 4.0); do not edit by hand.")


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("source", nargs="?", default=DEFAULT_SOURCE,
                        help="folder with germansl.csv and ecodbase.csv")
    parser.add_argument("--out", default=DEFAULT_OUT, help="folder of the table sources")
    parser.add_argument("--merkmale", default=CHARACTERS,
                        help="descriptive columns of the species (tab-separated)")
    parser.add_argument("--keys", default=DEFAULT_OUT,
                        help="folder of the key tables whose aggregates are kept")
    args = parser.parse_args(argv)
    try:
        taxa, eco = read_sources(args.source)
        species, genera, families, warnings = convert(
            taxa, eco, read_german_names(GERMAN_FAMILY_NAMES),
            read_german_names(GERMAN_GENUS_NAMES), read_key_aggregates(args.keys))
        described = merge_characters(species, read_characters(args.merkmale), args.merkmale)
        os.makedirs(args.out, exist_ok=True)
        write_table(args.out, "VDB_1", VDB_1_COLUMNS, VDB_1_INDEXES, species,
                    ["Species table (key 1): accepted species and subspecies.", CREDIT])
        write_table(args.out, "VDB_6", VDB_6_COLUMNS, VDB_6_INDEXES, genera,
                    ["Genus list (key 6); rows with GN_SN are other names of the genus GN_SN.",
                     CREDIT])
        write_table(args.out, "VDB_60", VDB_60_COLUMNS, VDB_60_INDEXES, families,
                    ["Family list (key 60).", CREDIT])
    except (ConversionError, OSError) as error:
        for line in str(error).splitlines():
            print(f"convert.py: {line}", file=sys.stderr)
        return 1
    for warning in warnings:
        print(f"convert.py: note: {warning}", file=sys.stderr)
    print(f"VDB_1: {len(species)} taxa ({described} described), VDB_6: {len(genera)} genera "
          f"({sum(1 for g in genera if g['GN_SN'])} other names), VDB_60: {len(families)} "
          f"families")
    return 0


if __name__ == "__main__":
    sys.exit(main())
