#include "tracetools/compare_files.h"

#include "trace/trace_loader.h"
#include "trace/trace_session.h"
#include "tracetools/trace_compare.h"

bool CompareFiles::startChoice(int entry)
{
    if ((entry == 1 && !m_file1.isEmpty()) || (entry == 2 && !m_file2.isEmpty()))
        return false;
    m_exportEnabled = false;
    return true;
}

QString CompareFiles::chooseFile1(const QString& path, TraceSession& session)
{
    session.ChangeCount = 0;
    m_file1 = path;
    session.setListItems(TraceCompare::file1Header(path));
    session.showList();
    const Result<QStringList> lines = ReadTraceFileToCompare(path);
    if (!lines) {
        reset();
        return lines.error();
    }
    CompareLines1 = lines.value();
    return {};
}

QString CompareFiles::chooseFile2(const QString& path, TraceSession& session)
{
    m_file2 = path;
    session.setListItems(session.listItems() + TraceCompare::file2Header(path));
    const Result<QStringList> lines = ReadTraceFileToCompare(path);
    if (!lines) {
        reset();
        return lines.error();
    }
    CompareLines2 = lines.value();
    const TraceComparison comparison = TraceCompare::compareLines(CompareLines1, CompareLines2);
    session.setListItems(session.listItems() + comparison.lines);
    if (comparison.outcome == TraceComparison::Outcome::Compared)
        m_exportEnabled = true;
    reset();
    return comparison.outcome == TraceComparison::Outcome::Failed ? comparison.error : QString();
}

void CompareFiles::reset()
{
    m_file1.clear();
    m_file2.clear();
    CompareLines1.clear();
    CompareLines2.clear();
}

void CompareFiles::traceLoading()
{
    if (!m_file1.isEmpty())
        reset();
    m_exportEnabled = false;
}
