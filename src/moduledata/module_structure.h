#pragma once

#include "common/result.h"
#include "moduledata/frame_file.h"

#include <QHash>
#include <QList>
#include <QString>

#include <vector>

// A chassis's keyword and module files read by their structure: which functions a module
// has, the values each can take with the bytes it writes, and where its bits lie. Stands
// beside the hex-text search of "Show values", which stays what the window lists.

// A keyword file (SWTFSW*, SWTPSW*): the rows of its block SWT_EINTRAG, each a keyword id
// (its first number field) and the keyword (its first string field).
class KeywordTable {
public:
    static Result<KeywordTable> from(const FrameFile& file);
    // Empty when no row has the id.
    QString keyword(quint32 id) const;

private:
    FrameFile m_file;
    std::vector<qint32> m_rows; // row index per 16-bit id, -1 for none; the first row wins
    int m_idField = -1;
    int m_keywordField = -1;
};

// Where a function's bits lie in the unit's coding data, from the fields BLOCKNR, WORTADR,
// BYTEADR and MASKE of its row.
struct CodingBits {
    bool known = false; // BLOCKNR and BYTEADR are numbers
    quint32 block = 0;
    quint32 word = 0;
    quint32 byte = 0;
    QByteArray mask; // one byte for each byte of the function
};

struct ModuleValue {
    quint32 id = 0;
    QString name;
    int row = 0;      // its PARZUWEISUNG_PSW1 row in the file's rows()
    QByteArray bytes; // what it writes, its PARZUWEISUNG_PSW2 continuations included
};

struct ModuleFunction {
    quint32 id = 0;
    QString name;
    int row = 0; // its PARZUWEISUNG_FSW row
    QList<ModuleValue> values;
    CodingBits bits;
};

struct ModuleStructure {
    QString module; // the file name
    FrameFile file;
    QList<ModuleFunction> functions; // in file order
    QHash<QString, int> byName;      // the first function of each name
    QList<QList<int>> sharing;       // per function: the others whose bytes and mask bits overlap

    int indexOf(const QString& function) const { return byName.value(function, -1); }
};

// The name shown for a keyword id that the keyword file does not hold.
QString unknownKeyword(quint32 id);

// The module's functions: each PARZUWEISUNG_FSW row (its field FSW the function's keyword
// id) and the PARZUWEISUNG_PSW1 rows after it (field PSW: the value's keyword id; the
// other field: the bytes it writes), each continued by the PARZUWEISUNG_PSW2 rows after it.
Result<ModuleStructure> BuildModuleStructure(const FrameFile& module, const KeywordTable& functions,
                                             const KeywordTable& values);

// Reads the first "SWTFSW*.DAT" and "SWTPSW*.DAT" of the chassis folder and the module file.
Result<ModuleStructure> ReadModuleStructure(const QString& folderNCS, const QString& chassis, const QString& module);

// Every binary file of the chassis folder (one that begins with a signature frame; the text
// tables beside them are left alone), verified frame by frame, in listing order.
struct FileCheck {
    QString file;
    QString error; // empty when every frame is sound
};
Result<QList<FileCheck>> CheckChassisFiles(const QString& folderNCS, const QString& chassis);
