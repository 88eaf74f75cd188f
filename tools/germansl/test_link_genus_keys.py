#!/usr/bin/env python3
"""Tests of link_genus_keys.py on a small table directory.

    python3 -m unittest discover -s tools/germansl -p 'test_*.py'
"""

import contextlib
import io
import os
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # no __pycache__ in the source tree

import link_genus_keys as link  # noqa: E402

GENUS_HEADER = ["GN", "Gattung", "D-Gattung", "FN", "GR", "GN_SN", "RelID", "Bestimmung"]
KEY_HEADER = ["RelID", "ID", "GN", "FN", "Art"]


def write(path, header, rows):
    with open(path, "w", encoding="utf-8", newline="") as handle:
        for row in [header] + rows:
            handle.write("\t".join(row) + "\n")


class LinkGenusKeysTest(unittest.TestCase):
    def test_genera_and_their_other_names_lead_to_the_most_specific_key(self):
        with tempfile.TemporaryDirectory() as tables:
            # Artemisia stands in its own key and in the Asteraceae key, Achillea only there.
            write(os.path.join(tables, "VDB_10.tsv"), KEY_HEADER,
                  [["1", "10", "300", "50", "Artemisia vulgaris"]])
            write(os.path.join(tables, "VDB_11.tsv"), KEY_HEADER,
                  [["1", "10", "300", "50", "Artemisia vulgaris"],
                   ["2", "11", "301", "50", "Achillea millefolium"],
                   ["3", "", "", "50", "Asteraceae"]])
            # The ferns have a key of their own, and the horsetails one within it.
            write(os.path.join(tables, "VDB_2.tsv"), KEY_HEADER,
                  [["1", "20", "700", "70", "Dryopteris filix-mas"],
                   ["2", "21", "701", "71", "Equisetum arvense"]])
            write(os.path.join(tables, "VDB_22.tsv"), KEY_HEADER,
                  [["1", "21", "701", "71", "Equisetum arvense"]])
            write(os.path.join(tables, "VDB_6.tsv"), GENUS_HEADER,
                  [["300", "Artemisia", "Beifuß", "50", "", "", "1", ""],
                   ["301", "Achillea", "Schafgarbe", "50", "", "", "2", ""],
                   # another name of Artemisia: it follows GN_SN
                   ["302", "Oligosporus", "Beifuß", "50", "", "300", "3", ""],
                   ["400", "Tilia", "Linde", "60", "", "", "4", ""],
                   ["700", "Dryopteris", "Wurmfarn", "70", "", "", "6", ""],
                   ["701", "Equisetum", "Schachtelhalm", "71", "", "", "7", ""],
                   # a link set by hand stays
                   ["303", "Seriphidium", "Beifuß", "50", "Ast", "", "5", ""]])
            with contextlib.redirect_stdout(io.StringIO()):
                self.assertEqual(link.main(["link_genus_keys.py", tables]), 0)
            _, rows = link.read_tsv(os.path.join(tables, "VDB_6.tsv"))
            led = {row[1]: row[4] for row in rows}
            self.assertEqual(led, {"Artemisia": "Artemisia", "Achillea": "Ast",
                                   "Oligosporus": "Artemisia", "Tilia": "",
                                   "Dryopteris": "Farnpfl", "Equisetum": "Equisetum",
                                   "Seriphidium": "Ast"})


if __name__ == "__main__":
    unittest.main()
