// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the program's compact atlas table from the gazetteer's text as
// tools/gazetteer writes it (zlib behind a 4-byte length), at build time:
//
//   vellamor_pack_gazetteer atlas/data/places.bin build/share/vellamor/places.atlas
//
// The table is written beside the output and renamed over it, so a build
// stopped halfway leaves the old table or none, never half of one.
#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <cstdio>
#include <string>

#include "atlas/gazetteer.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PLACES.BIN PLACES.ATLAS\n", argv[0]);
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(source.errorString()));
        return 1;
    }
    const QByteArray text = qUncompress(source.readAll());
    if (text.isEmpty()) {
        std::fprintf(stderr, "%s: not a compressed gazetteer\n", argv[1]);
        return 1;
    }
    auto gazetteer = vellamor::atlas::Gazetteer::FromText(text.toStdString());
    if (!gazetteer) {
        std::fprintf(stderr, "%s: %s\n", argv[1], gazetteer.error().c_str());
        return 1;
    }
    const std::string_view table = gazetteer->tableBytes();
    QSaveFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(table.data(), static_cast<qint64>(table.size())) !=
            static_cast<qint64>(table.size()) ||
        !out.commit()) {
        std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
