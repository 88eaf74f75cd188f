#!/usr/bin/env python3
"""Leads every genus of the genus list (VDB_6) to the key that holds its species.

A genus without a key of its own would open the basic table restricted to it, which holds no
species of genera that a family key covers (Asteraceae, Poaceae ...), nor any fern. This fills
the empty GR cells of VDB_6 with the key (the fern key 2, or 7 to 59) whose table holds rows of
that genus; where several keys do, the most specific one (the fewest genera) wins. Another
name of a genus (GN_SN) leads to the key of the genus it stands for. Run it after convert.py
and whenever a key table changes:  python3 tools/germansl/link_genus_keys.py [data/tables]
"""
import csv
import os
import sys

# Key numbers 2 and 7 to 59 and their names, as the catalogue declares them.
KEY_NAMES = {
    2: "Farnpfl",
    7: "Allium", 8: "Amaranthus", 9: "Apiac", 10: "Artemisia", 11: "Ast", 12: "Atriplex",
    13: "Bor", 14: "Brass", 15: "Bromus", 16: "Campanula", 17: "Carex", 18: "Cary",
    19: "Chenopodium", 20: "Dactylorhiza", 21: "Epilobium", 22: "Equisetum", 23: "Euphorbia",
    24: "Euphrasia", 25: "Fab", 26: "Festuca", 27: "Gagea", 28: "Gentiana", 29: "Geranium",
    30: "Glyceria Puccinellia", 31: "Hieracium", 32: "Hypericum", 33: "Iris", 34: "Juncus",
    35: "Lam", 36: "Luzula", 37: "Oenothera", 38: "Orch", 39: "Orobanche", 40: "Pedicularis",
    41: "Pinus", 42: "Poa", 43: "Poac", 44: "Polygonum", 45: "Populus", 46: "Potamogeton",
    47: "Potentilla", 48: "Prunus", 49: "Quercus", 50: "Ranunculus B", 51: "Ranunculus",
    52: "Rhinanthus", 53: "Rosa", 54: "Rub", 55: "Rumex", 56: "Salix", 57: "Sorbus",
    58: "Veronica", 59: "Viola",
}


def read_tsv(path):
    with open(path, encoding="utf-8", newline="") as f:
        lines = f.read().split("\n")
    header = lines[0].split("\t")
    rows = [line.split("\t") for line in lines[1:] if line != ""]
    return header, rows


def genera_of_keys(tables):
    """Maps every genus number to the keys whose tables hold it."""
    keys_of_genus = {}
    genus_count = {}
    for number in KEY_NAMES:
        path = os.path.join(tables, f"VDB_{number}.tsv")
        if not os.path.exists(path):
            continue
        header, rows = read_tsv(path)
        gn = header.index("GN")
        genera = {row[gn] for row in rows if row[gn]}
        genus_count[number] = len(genera)
        for genus in genera:
            keys_of_genus.setdefault(genus, []).append(number)
    return keys_of_genus, genus_count


def main(argv):
    tables = argv[1] if len(argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", "data", "tables")
    keys_of_genus, genus_count = genera_of_keys(tables)
    path = os.path.join(tables, "VDB_6.tsv")
    header, rows = read_tsv(path)
    gn, gr, gn_sn = header.index("GN"), header.index("GR"), header.index("GN_SN")
    linked = 0
    for row in rows:
        # Another name of a genus is followed to that genus (GN_SN), so it leads to its key.
        genus = row[gn_sn] or row[gn]
        if row[gr] or genus not in keys_of_genus:
            continue
        key = min(keys_of_genus[genus], key=lambda k: (genus_count[k], k))
        row[gr] = KEY_NAMES[key]
        linked += 1
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write("\t".join(header) + "\n")
        for row in rows:
            f.write("\t".join(row) + "\n")
    print(f"{path}: {linked} genera led to their key")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
