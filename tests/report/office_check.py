#!/usr/bin/env python3
"""Opens the demo database's report in a real RTF reader: LibreOffice,
headless, converts it to text and to PDF, and the text must hold every
section's title and a sample of the records, with no RTF word showing.

    office_check.py REPORT.rtf OUTPUT-DIR

Exits 77 (skipped) when soffice is not installed; ./run installs it.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

SKIPPED = 77

SECTION_TITLES = ["RASClients", "Proxies", "Users", "Profiles", "IPAddressPools", "Access",
                  "Configuration", "Statistics", "CurrentUsers"]
# Sections after the first start a page of their own, except the current
# users, which follow the statistics.
PAGE_STARTERS = SECTION_TITLES[1:-1]

SAMPLES = [
    "Report for server KEELSRV01",
    "Created at 03/11/24 09:15:00",
    "RAS Client:   HQ-NAS1",
    "\tIP Address: \t192.0.2.10",
    "Proxy:   ROAM.PARTNERNET.EXAMPLE",
    "\tProxy accounting: \t\t\tForward and record locally",
    "Native-User:   AGARCIA",
    "\t\tDIALUP-STANDARD",
    "\t\t\tstd-internet        (SUBTRACTED)",
    "\t\t\t<Echo received or default value>        (ECHO)",
    "IP Address Pool:   DIALUP-POOL",
    "\tPool Range:  10.64.0.1(254)",
    "\tRIVERNET\\mpatel",  # written "\\" in the RTF: one backslash when read
    "Number of days to keep log files: \t90",
    "Default message: \t\t\tAccess denied.",
    "\tNT Domain Group",
    "\tTotal transactions: \t\t79685",
    "Distinguished name:   \tJSMITH",
    "\tSession ID: \t0000A3F1",
]


def convert(soffice, source, target_format, out_dir, profile):
    subprocess.run([soffice, "-env:UserInstallation=file://" + profile, "--headless", "--convert-to",
                    target_format, "--outdir", out_dir, source],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300)


def check_text(text):
    problems = []
    lines = text.splitlines()
    for title in SECTION_TITLES:
        if title not in lines:
            problems.append("no line holds only the section title " + title)
    for sample in SAMPLES:
        if sample not in text:
            problems.append("missing: " + repr(sample))
    leaked = re.search(r"\\(par|plain|pard|fs\d+|page|rtf1)\b|[{}]", text)
    if leaked:
        problems.append("RTF shows through as text: " + repr(leaked.group(0)))
    return problems


def check_pages(pdf_text):
    """pdftotext separates pages with form feeds."""
    first_lines = set()
    for page in pdf_text.split("\f"):
        lines = [line.strip() for line in page.splitlines() if line.strip()]
        if lines:
            first_lines.add(lines[0])
    return ["section " + title + " does not start a page" for title in PAGE_STARTERS if title not in first_lines]


def main():
    if len(sys.argv) != 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    report, out_dir = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    soffice = shutil.which("soffice") or shutil.which("libreoffice")
    if not soffice:
        print("office_check: soffice is not installed: skipped")
        return SKIPPED
    os.makedirs(out_dir, exist_ok=True)
    stem = os.path.splitext(os.path.basename(report))[0]
    with tempfile.TemporaryDirectory(prefix="office-check-") as profile:
        convert(soffice, report, "txt:Text (encoded):UTF8", out_dir, profile)
        convert(soffice, report, "pdf", out_dir, profile)
    with open(os.path.join(out_dir, stem + ".txt"), encoding="utf-8-sig") as converted:
        problems = check_text(converted.read().replace("\r\n", "\n"))
    pdf = os.path.join(out_dir, stem + ".pdf")
    with open(pdf, "rb") as document:
        if document.read(5) != b"%PDF-":
            problems.append(pdf + " is not a PDF")
    pdftotext = shutil.which("pdftotext")
    if pdftotext and not problems:
        pdf_text = subprocess.run([pdftotext, "-layout", pdf, "-"], check=True, capture_output=True,
                                  text=True).stdout
        problems += check_pages(pdf_text)
    for problem in problems:
        print("office_check: " + problem)
    if problems:
        return 1
    print("office_check: %s opens in LibreOffice: %d section titles and %d records found; %s" %
          (os.path.basename(report), len(SECTION_TITLES), len(SAMPLES), pdf))
    return 0


if __name__ == "__main__":
    sys.exit(main())
