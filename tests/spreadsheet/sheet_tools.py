"""What the spreadsheet checks share: skipping, running a program in its own process group, and
finding LibreOffice Calc and openpyxl."""

import os
import re
import shutil
import signal
import subprocess
import sys

SKIP = 77
PLAIN_NUMBER = re.compile(r"^-?[0-9]+(\.[0-9]+)?$")


def skip(reason):
    print(f"SKIPPED: {reason}")
    sys.exit(SKIP)


def run(command, timeout, env=None, stdin=None, ok=(0,)):
    """Runs a command in its own process group and ends the whole group on a timeout, so no
    helper process of LibreOffice outlives the test. Returns its output as text."""
    process = subprocess.Popen(command, env=env, start_new_session=True, stdin=subprocess.PIPE,
                               stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    try:
        out, _ = process.communicate(stdin, timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.communicate()
        raise SystemExit(f"timed out after {timeout} s: {' '.join(command)}")
    finally:
        try:
            os.killpg(process.pid, signal.SIGKILL)  # anything it left behind
        except ProcessLookupError:
            pass
    if process.returncode not in ok:
        raise SystemExit(f"{command[0]} failed ({process.returncode}):\n{out.decode()}")
    return out.decode("utf-8")


def calc_and_openpyxl():
    """LibreOffice's program, or a skip when it or openpyxl is missing."""
    soffice = shutil.which("soffice") or shutil.which("libreoffice")
    if not soffice:
        skip("LibreOffice (soffice) is not installed")
    try:
        import openpyxl  # noqa: F401
    except ImportError:
        skip("python3-openpyxl is not installed")
    return soffice
