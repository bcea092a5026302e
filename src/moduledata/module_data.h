#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// The chassis and module data that "Show values" searches, as read from NCS Expert's
// DATEN folder. Files are kept as bytes: every byte is one character (0-255).
struct ModuleData {
    // List index of the chassis chosen last in cmbChassis; -1 before any choice.
    int ChassisIndex = -1;
    // The whole function keyword file (SWTFSW*.DAT), byte for byte.
    QByteArray FswData;
    // The value keyword file (SWTPSW*.DAT) from its first "KEYWORD" on, as hex text.
    QByteArray PswHex;
    // The module file from 20 bytes after its first "INDIVID" on, as hex text; empty while
    // no module is chosen.
    QByteArray ModuleHex;
    // Raw copies of PswHex's and ModuleHex's bytes, so "Show values" can search bytes
    // instead of hex text; empty when not filled (the search then decodes the hex text).
    QByteArray PswBytes;
    QByteArray ModuleBytes;
    // Cache of value names keyed by a value ID's hex text ("0A 1B"); emptied when a
    // module is chosen.
    QHash<QByteArray, QString> ValueNames;
};
