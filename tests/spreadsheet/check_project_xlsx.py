#!/usr/bin/python3
"""Checks the .xlsx of a project as other programs read it: openpyxl reads every number of the
schedule and the bill of materials as a number cell of the value the batch tool prints, with a
number format of as many decimals; headless LibreOffice Calc converts both sheets to CSV with
the cells as shown, and every shown cell equals the printed text.

    check_project_xlsx.py KELVARA_CLI

Exits 77 (skipped) when LibreOffice or openpyxl is missing.
"""
import csv
import os
import shutil
import sys
import tempfile

from sheet_tools import PLAIN_NUMBER, calc_and_openpyxl, run

RESULT_FIELDS = 16  # of a pipe-sizing line, after its fifteen inputs
SHOWN_RESULTS = slice(8, 16)  # governing criterion, thickness, size and the yearly figures

RUNS = [
    "CO-zas-01\t20\t70\t50\t60.3\t54.5\t4\t9\t3\t25\t20\t\t10\t5000\t0.5\t0.7",
    "ZW-01\t25\t5\t85\t28\t25.6\tKauczuk syntetyczny KV-Flex\t9\t"
    "Przewody wody lodowej prowadzone wewnatrz budynku\t\t\t2\t20\t4000\t0.6\t0.7",
    "CW-02\t20\t60\t50\t22\t20\t1\t9\t1\t\t\t\t10.25\t5000\t0.5\t0.7",
    "CW-03\t20\t60\t50\t22\t20\t1\t9\t2\t\t\t\t2.6\t5000\t0.5\t0.7",
    "XX-04\t20\t70\t50\t28\t30\t4\t9\t3\t\t\t\t10\t5000\t0.5\t0.7",
]




def expected_sheets(printed):
    """The rows the two sheets must show, from the batch tool's lines."""
    lines = printed.rstrip("\n").split("\n")
    schedule, materials = [], []
    for line in lines[:len(RUNS)]:
        fields = line.rstrip("\t").split("\t")
        mark, inputs = fields[0], [f.strip() for f in fields[1:16]]
        results = fields[16:]
        if len(results) == RESULT_FIELDS:
            schedule.append([mark] + inputs + results[SHOWN_RESULTS])
        else:
            schedule.append(None)  # refused: its inputs as stored, then the message
    for line in lines[len(RUNS):]:
        materials.append(line.split("\t"))
    return schedule, materials


def decimals(text):
    return len(text.split(".")[1]) if "." in text else 0


def check_cell(where, cell, field, found):
    if PLAIN_NUMBER.match(field):
        if cell.data_type != "n" or not isinstance(cell.value, (int, float)):
            found.append(f"{where} {field!r}: not a number cell but {cell.value!r}")
        elif abs(cell.value - float(field)) > 1e-9 * max(1.0, abs(float(field))):
            found.append(f"{where} {field!r}: number {cell.value!r}")
        else:
            want = "0." + "0" * decimals(field) if decimals(field) else "0"
            if cell.number_format != want:
                found.append(f"{where} {field!r}: format {cell.number_format!r}")
    elif field == "":
        if cell.value not in (None, ""):
            found.append(f"{where}: expected an empty cell, got {cell.value!r}")
    elif cell.data_type != "s" or cell.value != field:
        found.append(f"{where}: expected text {field!r}, got {cell.value!r}")


def check_openpyxl(path, schedule, materials):
    import openpyxl

    book = openpyxl.load_workbook(path)
    found = []
    if book.sheetnames != ["Zestawienie", "Materialy"]:
        found.append(f"sheets {book.sheetnames}")
        return found
    sheet = book["Zestawienie"]
    heading = [c.value for c in sheet[1]]
    for want in ("Oznaczenie", "Temp otoczenia [°C]", "grubosc izolacji [mm]",
                 "Straty ciepla Q [W]"):
        if want not in heading:
            found.append(f"heading without {want!r}: {heading}")
    for r, fields in enumerate(schedule, start=2):
        if fields is None:
            message = sheet.cell(row=r, column=17).value
            if not str(message).startswith("! "):
                found.append(f"refused run in row {r} without its message: {message!r}")
            continue
        for c, field in enumerate(fields, start=1):
            check_cell(f"Zestawienie!{sheet.cell(row=r, column=c).coordinate}",
                       sheet.cell(row=r, column=c), field, found)
    # Bill and totals: every printed line is a row of the sheet, in the same cells.
    sheet = book["Materialy"]
    rows = [[c for c in row] for row in sheet.iter_rows()]
    for fields in materials:
        match = [row for row in rows if row and row[0].value == fields[0] and
                 (len(fields) < 2 or (len(row) > 1 and str(row[1].value) == fields[1]))]
        if not match:
            found.append(f"Materialy: no row for {fields}")
            continue
        for c, field in enumerate(fields):
            check_cell(f"Materialy!{match[0][c].coordinate}", match[0][c], field, found)
    return found


def check_calc(soffice, path, schedule, materials, work):
    """The cells as LibreOffice shows them, sheet by sheet."""
    env = {k: v for k, v in os.environ.items() if not k.startswith("LC_")}
    env.update(LANG="en_US.UTF-8", LC_ALL="en_US.UTF-8", LANGUAGE="")
    out = os.path.join(work, "csv")
    profile = "file://" + os.path.join(work, "profile")
    # Field separator, quote, UTF-8, first line, cell format, ..., as shown, ..., every sheet.
    run([soffice, f"-env:UserInstallation={profile}", "--headless", "--norestore", "--nologo",
         "--nodefault", "--convert-to", "csv:Text - txt - csv (StarCalc):9,34,76,1,,0,false,"
            "true,true,false,false,-1", "--outdir", out, path], 180, env=env)
    found = []
    base = os.path.splitext(os.path.basename(path))[0]
    shown = {}
    for name in ("Zestawienie", "Materialy"):
        csv_path = os.path.join(out, f"{base}-{name}.csv")
        if not os.path.exists(csv_path):
            return [f"LibreOffice wrote no {csv_path}: {os.listdir(out)}"]
        with open(csv_path, encoding="utf-8", newline="") as f:
            shown[name] = list(csv.reader(f, delimiter="\t"))
    for r, fields in enumerate(schedule, start=1):
        if fields is None:
            continue
        row = shown["Zestawienie"][r]
        for c, field in enumerate(fields):
            got = row[c] if c < len(row) else ""
            if got != field:
                found.append(f"Calc Zestawienie row {r + 1} column {c + 1}: {got!r} for {field!r}")
    for fields in materials:
        if not any(row[:len(fields)] == fields for row in shown["Materialy"]):
            found.append(f"Calc Materialy: no row shown as {fields}")
    return found


def main():
    cli = sys.argv[1]
    soffice = calc_and_openpyxl()
    work = tempfile.mkdtemp(prefix="kelvara-xlsx-")
    try:
        project = os.path.join(work, "instalacja.kelvara")
        xlsx = os.path.join(work, "instalacja.xlsx")
        run([cli, "project", "--new", project], 60, stdin="\n".join(RUNS).encode() + b"\n")
        printed = run([cli, "project", project, "--xlsx", xlsx], 60, ok=(0, 1))
        schedule, materials = expected_sheets(printed)
        numbers = sum(1 for row in schedule if row for f in row if PLAIN_NUMBER.match(f))
        failed = check_openpyxl(xlsx, schedule, materials)
        failed += check_calc(soffice, xlsx, schedule, materials, work)
        if numbers < 40:
            failed.append(f"only {numbers} numbers in the schedule")
        for line in failed:
            print(line)
        if failed:
            return 1
        print(f"{numbers} numbers of the schedule and {len(materials)} lines of the bill and "
              "totals arrived as shown")
        return 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
