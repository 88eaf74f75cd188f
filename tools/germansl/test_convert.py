#!/usr/bin/env python3
"""Tests of convert.py and fill_taxon_numbers.py on the small GermanSL extract in testdata/.

    python3 -m unittest discover -s tools/germansl -p 'test_*.py'
"""

import io
import os
import shutil
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # no __pycache__ in the source tree

import convert  # noqa: E402
import fill_taxon_numbers as fill  # noqa: E402

TESTDATA = os.path.join(HERE, "testdata")
CHARACTERS = os.path.join(TESTDATA, "merkmale.tsv")
HEADER = ("Name\tBlütenfarbe\tBlütezeit 1\tBlütezeit 2\tHöhe 1\tHöhe 2\tD-Status\t"
          "Bundesländer\tHäufigkeit\tRote Liste\n")


def run_convert(arguments):
    """convert.main with its output caught: (exit code, standard error)."""
    stdout, stderr = sys.stdout, sys.stderr
    sys.stdout, sys.stderr = io.StringIO(), io.StringIO()
    try:
        result = convert.main(arguments)
        return result, sys.stderr.getvalue()
    finally:
        sys.stdout, sys.stderr = stdout, stderr


def read_source(directory, table):
    """Columns of the .schema and rows of the .tsv as dicts."""
    with open(os.path.join(directory, table + ".schema"), encoding="utf-8") as handle:
        columns = [line.split("\t")[0] for line in handle.read().splitlines()
                   if line and not line.startswith(("#", "@"))]
    with open(os.path.join(directory, table + ".tsv"), encoding="utf-8") as handle:
        lines = handle.read().splitlines()
    header = lines[0].split("\t")
    rows = []
    for line in lines[1:]:
        cells = line.split("\t")
        assert len(cells) == len(header), line
        rows.append(dict(zip(header, cells)))
    return columns, header, rows


class ConvertTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.out = tempfile.mkdtemp()
        # The empty output folder holds no key tables, so no aggregate is kept.
        result, _ = run_convert([TESTDATA, "--out", cls.out, "--merkmale", CHARACTERS,
                                 "--keys", cls.out])
        assert result == 0
        _, _, rows = read_source(cls.out, "VDB_1")
        cls.species = {row["ID"]: row for row in rows}
        _, _, rows = read_source(cls.out, "VDB_6")
        cls.genera = {row["Gattung"]: row for row in rows}
        _, _, rows = read_source(cls.out, "VDB_60")
        cls.families = {row["Familie"]: row for row in rows}

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.out)

    def test_keeps_accepted_species_and_subspecies_of_vascular_plants_only(self):
        # Left out: synonyms, the aggregate, the subgenus, the hybrid formula, the lichen
        # filed among the vascular plants, the moss.
        self.assertEqual(sorted(self.species, key=int),
                         ["210", "211", "212", "215", "310", "312", "410", "411"])

    def test_name_parts_authors_and_numbers(self):
        cases = [
            # ID, Gattung, Art, Unterart, Autor, Autor1, GN, FN
            ("210", "Ranunculus", "acris", "", "L.", "", "201", "200"),
            ("212", "Ranunculus", "acris", "subsp. friesianus", "L.", "(Jord.) Syme", "201", "200"),
            ("211", "Ranunculus", "acris", "subsp. acris", "L.", "", "201", "200"),
            ("215", "Ranunculus", "aquatilis", "", "L.", "", "201", "200"),  # below an aggregate
            ("310", "Salix", "×rubens", "", "Schrank", "", "301", "300"),
            ("410", "Urtica", "dioica", "s. l.", "L.", "", "401", "400"),
            ("411", "Urtica", "dioica", "s. str.", "Körn.", "", "401", "400"),  # repaired UTF-8
        ]
        for taxon_id, gattung, art, unterart, autor, autor1, gn, fn in cases:
            with self.subTest(taxon_id=taxon_id):
                row = self.species[taxon_id]
                self.assertEqual((row["Gattung"], row["Art"], row["Unterart"], row["Autor"],
                                  row["Autor1"], row["GN"], row["FN"]),
                                 (gattung, art, unterart, autor, autor1, gn, fn))

    def test_german_name_synonym_and_family_columns(self):
        acris = self.species["210"]
        self.assertEqual(acris["Deutsch"], "Scharfer Hahnenfuß")
        # The misapplied "auct." name is passed over.
        self.assertEqual(acris["Synonym"], "Ranunculus stevenii")
        self.assertEqual(self.species["215"]["Synonym"], "Batrachium aquatile")
        # A German name that GermanSL gives only on the synonym.
        self.assertEqual(self.species["212"]["Deutsch"], "Fries' Hahnenfuß")
        self.assertEqual((acris["Familie"], acris["AT_Familie"]), ("Ranun", "Ranunculaceae"))
        for column in ("Blütenfarbe", "Blütezeit 1", "Höhe 1", "D-Status", "Bundesländer",
                       "Häufigkeit", "Rote Liste"):
            self.assertEqual(acris[column], "", column)

    def test_life_forms_from_the_trait_table(self):
        cases = [
            ("210", "P"),  # hemicryptophyte
            ("212", "P"),  # no record of its own: that of its species
            ("215", "P"),  # recorded under its synonym, a hydrophyte
            ("310", "B, S"),
            ("312", "B"),
            ("411", "P"),  # the broad species' form
        ]
        for taxon_id, expected in cases:
            with self.subTest(taxon_id=taxon_id):
                self.assertEqual(self.species[taxon_id]["Lebensform"], expected)

    def test_life_form_mapping(self):
        cases = [
            ("", ""),
            ("T", "E"),
            ("T,H", "E, Z"),
            ("H,T", "Z, E"),
            ("G,H", "P"),
            ("Z", "Zw"),
            ("N", "S"),
            ("P,N", "B, S"),
            ("Hli", "P, L"),
            ("Tli", "E, L"),
            ("Pli", "L"),
            ("Z,Pli", "Zw, L"),
            ("n,li", "S, L"),
            ("Gvp", "P, Par"),
            ("Tvp", "E, Par"),
            ("Thp", "E"),
            ("Zhp ep", "Zw"),
            ("C,(A)", "P"),
            ("y", ""),
        ]
        for raw, expected in cases:
            with self.subTest(raw=raw):
                self.assertEqual(convert.life_form_codes(raw), expected)

    def test_genus_list_with_keys_and_other_names(self):
        self.assertEqual(sorted(self.genera), ["Batrachium", "Ranunculus", "Salix", "Urtica"])
        ranunculus = self.genera["Ranunculus"]
        self.assertEqual((ranunculus["GN"], ranunculus["FN"], ranunculus["GR"],
                          ranunculus["GN_SN"], ranunculus["D-Gattung"]),
                         ("201", "200", "Ranunculus", "", "Hahnenfuß"))
        self.assertEqual(self.genera["Salix"]["GR"], "Salix")
        self.assertEqual(self.genera["Urtica"]["GR"], "")
        # GermanSL files Batrachium as a synonym of a subgenus of Ranunculus.
        batrachium = self.genera["Batrachium"]
        self.assertEqual((batrachium["GN"], batrachium["GN_SN"], batrachium["GR"],
                          batrachium["FN"]), ("220", "201", "Ranunculus B", "200"))
        rel_ids = [row["RelID"] for row in self.genera.values()]
        self.assertEqual(len(set(rel_ids)), len(rel_ids))

    def test_family_list_holds_families_with_species(self):
        self.assertEqual(sorted(self.families), ["Ranunculaceae", "Salicaceae", "Urticaceae"])
        self.assertEqual(self.families["Urticaceae"]["FN"], "400")

    def test_sources_match_their_schemas_and_repeat_exactly(self):
        for table in ("VDB_1", "VDB_6", "VDB_60"):
            columns, header, _ = read_source(self.out, table)
            self.assertEqual(header, columns, table)
        again = tempfile.mkdtemp()
        try:
            run_convert([TESTDATA, "--out", again, "--merkmale", CHARACTERS, "--keys", again])
            for name in sorted(os.listdir(self.out)):
                with open(os.path.join(self.out, name), "rb") as a, \
                        open(os.path.join(again, name), "rb") as b:
                    self.assertEqual(a.read(), b.read(), name)
        finally:
            shutil.rmtree(again)

    def test_missing_source_is_reported(self):
        empty = tempfile.mkdtemp()
        try:
            with io.StringIO() as errors:
                stderr, sys.stderr = sys.stderr, errors
                try:
                    result = convert.main([empty, "--out", empty])
                finally:
                    sys.stderr = stderr
                self.assertEqual(result, 1)
                self.assertIn("germansl.csv: not found", errors.getvalue())
            self.assertEqual(os.listdir(empty), [])
        finally:
            shutil.rmtree(empty)

    def test_descriptive_columns_come_from_the_characters_list(self):
        friesianus = self.species["212"]
        self.assertEqual(
            [friesianus[c] for c in convert.CHARACTER_COLUMNS],
            ["ge", "Mai", "Sep", "0,3", "1", "w", "", "verbreitet", "*"])
        self.assertEqual(self.species["310"]["Blütenfarbe"], "ge, gr")
        # Blanks in the name do not matter; an empty cell stays empty.
        broad = self.species["410"]
        self.assertEqual((broad["Höhe 1"], broad["Höhe 2"], broad["Häufigkeit"]),
                         ("", "1,5", "sehr häufig"))
        # The columns of GermanSL and the rows not in the list are left alone.
        self.assertEqual(friesianus["Lebensform"], "P")
        self.assertEqual(self.species["411"]["Blütenfarbe"], "")

    def test_faults_of_the_characters_list_fail_the_conversion(self):
        row = "Ranunculus acris subsp. friesianus\tge\tMai\tSep\t0,3\t1\tw\t\t\t*\n"
        cases = [
            # list text, expected message
            (HEADER + "Ranunculus acris subsp. acer\t\t\t\t\t\t\t\t\t\n",
             ":2: Ranunculus acris subsp. acer: no such species in VDB_1"),
            (HEADER + row.replace("\tw\t\t", "\tw\tBB, BW, BY, HE, MV, NI\t"),
             'column "Bundesländer": \'BB, BW, BY, HE, MV, NI\' is longer than A20'),
            (HEADER + row.replace("\tMai\t", "\tMay\t"), "'May' is no month"),
            (HEADER + row.replace("\tge\t", "\tge,we\t"), "unknown code 'ge,we'"),
            (HEADER + row.replace("\tge\t", "\tge, ge\t"), "a code given twice"),
            (HEADER + row.replace("\tw\t", "\tx\t"), "unknown code 'x'"),
            (HEADER + row.replace("0,3", "0.3"), "'0.3' is no height"),
            (HEADER + row.replace("\t1\t", "\t0,2\t"), '"Höhe 1" is above "Höhe 2"'),
            (HEADER + row.replace("\t*\n", "\tVV\n"), "'VV' is longer than A1"),
            (HEADER + row.replace("\t*\n", "\tselten\t*\n"), "11 cells, expected 10"),
            (HEADER + row + row, "given twice, first on line 2"),
            (HEADER.replace("Höhe", "Hoehe") + row, ":1: header must be"),
        ]
        for text, message in cases:
            with self.subTest(message=message):
                folder = tempfile.mkdtemp()
                try:
                    path = os.path.join(folder, "merkmale.tsv")
                    with open(path, "w", encoding="utf-8") as handle:
                        handle.write(text)
                    out = os.path.join(folder, "out")
                    result, errors = run_convert([TESTDATA, "--out", out, "--merkmale", path])
                    self.assertEqual(result, 1)
                    self.assertIn(message, errors)
                    self.assertFalse(os.path.exists(out))  # nothing half written
                finally:
                    shutil.rmtree(folder)

    def test_split_name(self):
        cases = [
            ("Achillea millefolium subsp. sudetica",
             ("Achillea", "millefolium", "subsp. sudetica", "")),
            ("Taraxacum sect. Ruderalia", ("Taraxacum", "sect. Ruderalia", "", "")),
            ("x Festulolium loliaceum", ("×Festulolium", "loliaceum", "", "")),
            ("Malus pumila nom. rej. prop.", ("Malus", "pumila", "", "nom. rej. prop.")),
            ("Ranunculus auricomus agg.", ("Ranunculus", "auricomus", "agg.", "")),
            ("Carex flava subsp. flava s. str.", ("Carex", "flava", "subsp. flava s. str.", "")),
        ]
        for name, expected in cases:
            with self.subTest(name=name):
                self.assertEqual(convert.split_name(name), expected)

    def test_long_author_is_shortened_by_botanical_rules(self):
        self.assertEqual(
            convert.shorten_author("(P. Wolff ex Kreutz & P. Wolff) Herr-Heidtke & Heidtke ex "
                                   "P. Wolff", 45), "(Kreutz & P. Wolff) P. Wolff")
        self.assertEqual(convert.shorten_author("L.", 45), "L.")
        self.assertLessEqual(len(convert.shorten_author("A" * 60, 45)), 45)


class KeyAggregatesTest(unittest.TestCase):
    """Aggregates stay out of the species table unless a key table names them."""

    def setUp(self):
        self.folder = tempfile.mkdtemp()
        self.keys = os.path.join(self.folder, "keys")
        self.out = os.path.join(self.folder, "out")
        os.mkdir(self.keys)

    def tearDown(self):
        shutil.rmtree(self.folder)

    def write_key(self, table, text):
        with open(os.path.join(self.keys, table), "w", encoding="utf-8") as handle:
            handle.write(text)

    def test_aggregates_named_by_key_tables_get_a_species_row(self):
        self.write_key("VDB_51.tsv", "RelID\tID\tGN\tFN\tArt\tB-Form\n"
                       "1\t\t\t\tRanunculus aquatilis agg.\tn\n"
                       "2\t\t\t\tRanunculus  aquatilis agg.\th\n"
                       "3\t\t\t\tRanunculus acris\th\n")
        # The family key's name column names families; it is not read.
        self.write_key("VDB_5.tsv", "RelID\tFamilie\nx\tBetula pendula agg.\n")
        result, errors = run_convert([TESTDATA, "--out", self.out, "--merkmale", CHARACTERS,
                                      "--keys", self.keys])
        self.assertEqual(result, 0, errors)
        _, _, rows = read_source(self.out, "VDB_1")
        species = {row["ID"]: row for row in rows}
        # Not the other aggregates: the subgenus and the Betula aggregate stay out.
        self.assertEqual(sorted(species, key=int),
                         ["210", "211", "212", "214", "215", "310", "312", "410", "411"])
        aggregate = species["214"]
        self.assertEqual((aggregate["Gattung"], aggregate["Art"], aggregate["Unterart"],
                          aggregate["GN"], aggregate["FN"], aggregate["Deutsch"]),
                         ("Ranunculus", "aquatilis", "agg.", "201", "200",
                          "Artengruppe Wasserhahnenfuß"))
        # The key rows now resolve to the aggregate, the plain name still to the species.
        register = fill.Register(self.out, TESTDATA)
        self.assertEqual(register.resolve("Ranunculus aquatilis agg.")[:3],
                         ("214", "201", "200"))
        self.assertEqual(register.resolve("Ranunculus aquatilis")[:3], ("215", "201", "200"))

    def test_key_table_without_its_name_column_fails_the_conversion(self):
        self.write_key("VDB_3.tsv", "RelID\tID\tArt\n1\t\tRanunculus aquatilis agg.\n")
        result, errors = run_convert([TESTDATA, "--out", self.out, "--merkmale", CHARACTERS,
                                      "--keys", self.keys])
        self.assertEqual(result, 1)
        self.assertIn("VDB_3.tsv: no name column SIP", errors)
        self.assertFalse(os.path.exists(self.out))


class LifeFormCorrectionTest(unittest.TestCase):
    def test_a_dwarf_shrub_recorded_as_chamaephyte_does_not_read_as_a_herb(self):
        taxa, eco = convert.read_sources(TESTDATA)
        # Salix myrtilloides, whose record reads "N,C", under its GermanSL number.
        taxa.append(dict(taxa[-1], TaxonUsageID="5182", TaxonName="Salix myrtilloides",
                         NameAuthor="L.", TaxonConceptID="5182", VernacularName="",
                         TaxonRank="SPE", GRUPPE="S", IsChildTaxonOfID="301", HYBRID="0"))
        eco.append(dict(eco[-1], SPECIES_NR="5182", GRUPPE="S", LF_LEB="N,C"))
        species, _, _, _ = convert.convert(taxa, eco)
        by_id = {row["ID"]: row for row in species}
        self.assertEqual(by_id["5182"]["Lebensform"], "S, Zw")
        self.assertEqual(by_id["310"]["Lebensform"], "B, S")  # other records as they are


class ShippedCharactersTest(unittest.TestCase):
    def test_the_project_list_reads_and_names_species_of_the_species_table(self):
        characters = convert.read_characters(convert.CHARACTERS)
        self.assertGreater(len(characters), 0)
        tables = os.path.join(os.path.dirname(os.path.dirname(HERE)), "data", "tables")
        _, _, rows = read_source(tables, "VDB_1")
        names = {convert.species_name(row) for row in rows}
        self.assertEqual(sorted(set(characters) - names), [])


class FillTaxonNumbersTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tables = tempfile.mkdtemp()
        run_convert([TESTDATA, "--out", cls.tables, "--merkmale", CHARACTERS,
                     "--keys", cls.tables])
        cls.register = fill.Register(cls.tables, TESTDATA)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tables)

    def run_fill(self, name, text, strict=False):
        path = os.path.join(self.tables, name)
        with open(path, "w", encoding="utf-8", newline="") as handle:
            handle.write(text)
        errors = io.StringIO()
        arguments = ["--tables", self.tables, "--germansl", TESTDATA, path]
        if strict:
            arguments.insert(0, "--strict")
        stdout, stderr = sys.stdout, sys.stderr
        sys.stdout, sys.stderr = io.StringIO(), errors
        try:
            result = fill.main(arguments)
        finally:
            sys.stdout, sys.stderr = stdout, stderr
        with open(path, encoding="utf-8", newline="") as handle:
            return result, handle.read(), errors.getvalue()

    def test_resolves_names_in_their_usual_spellings(self):
        cases = [
            ("Ranunculus acris", ("210", "201", "200")),
            ("  RANUNCULUS   acris L. ", ("210", "201", "200")),
            ("Ranunculus acris ssp. friesianus (Jord.) Syme", ("212", "201", "200")),
            ("Ranunculus acris subsp friesianus", ("212", "201", "200")),
            ("Salix x rubens", ("310", "301", "300")),
            ("Salix × rubens Schrank", ("310", "301", "300")),
            ("Urtica dioica", ("410", "401", "400")),  # the broad species
            ("Urtica dioica agg.", ("410", "401", "400")),
            ("Urtica dioica s.str.", ("411", "401", "400")),
            ("Batrachium aquatile", ("215", "201", "200")),  # synonym
            ("Ranunculus friesianus", ("212", "201", "200")),  # synonym from GermanSL
            ("Ranunculus", ("", "201", "200")),
            ("Batrachium", ("", "201", "200")),  # another name of a genus
            ("Salicaceae", ("", "", "300")),
        ]
        for name, expected in cases:
            with self.subTest(name=name):
                found = self.register.resolve(name)
                self.assertIsNotNone(found)
                self.assertEqual(found[:3], expected)

    def test_fills_only_empty_cells_and_keeps_the_rest_of_the_file(self):
        text = ("RelID\tID\tGN\tFN\tArt\tB-Form\tBestimmung\n"
                "1\t\t\t\tRanunculus acris\tz\tEin Text mit \\n Umbruch\n"
                "2\t999\t\t\tSalix alba\tl\t\n"
                "3\t\t\t\tSalix nonexistens\t*\t\n"
                "4\t\t\t\tQuercus robur\t*\t\n")
        result, written, errors = self.run_fill("VDB_7.tsv", text)
        self.assertEqual(result, 0)
        lines = written.split("\n")
        self.assertEqual(lines[1],
                         "1\t210\t201\t200\tRanunculus acris\tz\tEin Text mit \\n Umbruch")
        self.assertIn("ID 999 is not in VDB_1", errors)
        self.assertEqual(lines[2], "2\t999\t\t\tSalix alba\tl\t")
        # An unknown species of a known genus gets the genus numbers and is reported.
        self.assertEqual(lines[3], "3\t\t301\t300\tSalix nonexistens\t*\t")
        self.assertIn("Salix nonexistens: not found in VDB_1", errors)
        self.assertIn("Quercus robur: not found", errors)
        self.assertTrue(written.endswith("\n"))

    def test_strict_fails_on_unresolved_names(self):
        text = "RelID\tID\tGN\tFN\tArt\nx\t\t\t\tQuercus robur\n"
        result, _, _ = self.run_fill("VDB_8.tsv", text, strict=True)
        self.assertEqual(result, 1)
        result, _, _ = self.run_fill("VDB_9.tsv", "RelID\tID\tGN\tFN\tArt\n1\t\t\t\tSalix alba\n",
                                     strict=True)
        self.assertEqual(result, 0)

    def test_name_column_follows_the_table(self):
        text = "RelID\tID\tGN\tFN\tSIP\tGR\n1\t\t\t\tRanunculus\t\n2\t\t\t\tUrticaceae\t\n"
        _, written, _ = self.run_fill("VDB_3.tsv", text)
        self.assertEqual(written.split("\n")[1:3], ["1\t\t201\t200\tRanunculus\t",
                                                    "2\t\t\t400\tUrticaceae\t"])
        text = "RelID\tID\tGN\tFN\tFamilie\n1\t\t\t\tSalicaceae\n2\t\t\t\tSalix\n"
        _, written, errors = self.run_fill("VDB_5.tsv", text)
        self.assertEqual(written.split("\n")[1:3], ["1\t\t\t300\tSalicaceae", "2\t\t\t\tSalix"])
        self.assertIn("Salix: not found", errors)

    def test_table_without_name_column_is_refused(self):
        result, written, errors = self.run_fill("VDB_11.tsv", "RelID\tID\tSIP\n1\t\tSalix alba\n")
        self.assertEqual(result, 2)
        self.assertIn("no name column Art", errors)
        self.assertEqual(written, "RelID\tID\tSIP\n1\t\tSalix alba\n")


if __name__ == "__main__":
    unittest.main()
