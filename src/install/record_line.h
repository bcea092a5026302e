#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// How a restore record writes text into its tab-separated fields.
namespace RecordText {
// UTF-8 with every byte that could end a field or a line (and a few more) as %XX; the
// characters paths usually hold stay as they are, so the record stays readable.
QByteArray encode(QStringView text);
QString decode(QByteArrayView field);

// A path inside a folder: no climbing out, no empty or "." step, nothing absolute. Steps
// are separated by '/', and with nativeSeparators also by the system's own separator.
bool isInnerPath(QStringView relative, bool nativeSeparators = false);
// relative with the system's own separators turned into '/', percent-encoded.
void appendPortablePath(QByteArray& out, QStringView relative);
} // namespace RecordText

// One line of a restore record, built in place. An installation writes four for every file
// it replaces, tens of thousands in all, so no field costs an allocation of its own.
class RecordLine {
public:
    void start(QByteArrayView word);
    void add(QByteArrayView field);
    void add(qint64 number);
    // A field added by hand, after a tab.
    QByteArray& field();

    QByteArrayView body() const { return m_body; }
    // The line as the record holds it: the check in hex and a tab when lines carry checks,
    // the body, a line end.
    void appendTo(QByteArray& out, bool checked, quint32 check) const;

private:
    QByteArray m_body;
};
