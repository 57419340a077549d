#include "storage/recordfile.h"

#include "report/logging.h"

RecordFile::RecordFile(FileSystem& files, QString path, qsizetype fieldCount)
    : m_files(files)
    , m_path(std::move(path))
    , m_fieldCount(fieldCount) {}

RecordFile::Contents RecordFile::read() const {
    if (!m_files.fileExists(m_path))
        return {};
    Contents contents;
    const FileSystem::ReadResult read = m_files.readLines(m_path, contents.fields, m_fieldCount);
    contents.status = read.ok ? Contents::Read : Contents::Failed;
    contents.error = read.error;
    return contents;
}

FileSystem::Result RecordFile::write(const QString& record) {
    return m_files.writeAll(m_path, record);
}

void RecordFile::writeIfMissing(const QString& record) {
    if (m_files.fileExists(m_path))
        return;
    if (const FileSystem::Result written = write(record); !written.ok)
        qCWarning(report::lcFiles) << "not made:" << m_path << written.error;
}
