#!/usr/bin/python3
"""Imports the clipboard's spreadsheet table with headless LibreOffice Calc under a locale and
checks every field: a number of the plain text arrives as a number cell of the same value, any
other field as the same text.

    check_clipboard_table.py FIXTURE LOCALE

Under a locale whose decimal mark is not "." it also imports a table written with "." and
requires that check to fail there, so the check can tell the two apart. Exits 77 (skipped)
when LibreOffice, openpyxl or the locale is missing.
"""
import locale as localemod
import os
import shutil
import sys
import tempfile

from sheet_tools import PLAIN_NUMBER, calc_and_openpyxl, run, skip

CONVERT_SECONDS = 180


def expected_cells(text):
    """The plain clipboard text as rows of fields; the TAB ending a calculation line opens no
    field."""
    rows = []
    for line in text.split("\r\n")[:-1]:
        fields = line.split("\t")
        if len(fields) > 1 and fields[-1] == "":
            fields.pop()
        rows.append(fields)
    return rows


def mismatches(workbook_path, rows):
    import openpyxl

    sheet = openpyxl.load_workbook(workbook_path).active
    found = []
    for r, fields in enumerate(rows, start=1):
        for c, field in enumerate(fields, start=1):
            cell = sheet.cell(row=r, column=c)
            where = f"{cell.coordinate} {field!r}"
            if PLAIN_NUMBER.match(field):
                if cell.data_type != "n" or not isinstance(cell.value, (int, float)):
                    found.append(f"{where}: not a number cell but {cell.value!r}")
                elif abs(cell.value - float(field)) > 1e-9 * max(1.0, abs(float(field))):
                    found.append(f"{where}: number {cell.value!r}")
            else:
                # HTML folds blanks: a trailing blank ("Kauczuk ") is not kept.
                want = " ".join(field.split())
                got = cell.value
                if want == "":
                    if got not in (None, ""):
                        found.append(f"{where}: expected an empty cell, got {got!r}")
                elif cell.data_type != "s" or " ".join(str(got).split()) != want:
                    found.append(f"{where}: expected text, got {got!r} ({cell.data_type})")
        extra = sheet.cell(row=r, column=len(fields) + 1).value
        if extra not in (None, ""):
            found.append(f"row {r}: unexpected cell after the last field: {extra!r}")
    return found


def main():
    fixture, locale_name = sys.argv[1], sys.argv[2]
    soffice = calc_and_openpyxl()
    try:
        localemod.setlocale(localemod.LC_ALL, locale_name)
    except localemod.Error:
        skip(f"the locale {locale_name} is not generated")
    localemod.setlocale(localemod.LC_ALL, "C")

    env = {k: v for k, v in os.environ.items() if not k.startswith("LC_")}
    env.update(LANG=locale_name, LC_ALL=locale_name, LANGUAGE="")
    work = tempfile.mkdtemp(prefix="kelvara-calc-")
    try:
        table, text = os.path.join(work, "list.html"), os.path.join(work, "list.txt")
        point = os.path.join(work, "point.html")
        run([fixture, table, text], 60, env)
        run([fixture, point, os.path.join(work, "point.txt"), "--point"], 60, env)
        with open(text, encoding="utf-8", newline="") as f:
            rows = expected_cells(f.read())
        with open(table, encoding="utf-8") as f:
            comma = "," in f.read()

        out = os.path.join(work, "out")
        profile = "file://" + os.path.join(work, "profile")
        run([soffice, f"-env:UserInstallation={profile}", "--headless", "--norestore",
             "--nologo", "--nodefault", "--infilter=calc_HTML_WebQuery", "--convert-to", "xlsx",
             "--outdir", out, table, point], CONVERT_SECONDS, env)

        failed = mismatches(os.path.join(out, "list.xlsx"), rows)
        for line in failed:
            print(f"{locale_name}: {line}")
        numbers = sum(1 for fields in rows for f in fields if PLAIN_NUMBER.match(f))
        if numbers < 20:
            failed.append(f"only {numbers} numbers in the list")
        if comma:
            # Written with ".", the same list must not pass here: the check sees the fault.
            if not mismatches(os.path.join(out, "point.xlsx"), rows):
                failed.append("a table written with '.' passed under a decimal-comma locale")
        if failed:
            return 1
        print(f"{locale_name}: {numbers} numbers and every text arrived as such")
        return 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
