#include "FileDocument.h"

namespace hexlume {

FileDocument::FileDocument(QObject* parent) : QObject(parent) {}

void FileDocument::Reset(std::shared_ptr<const ByteSource> source)
{
    m_bytes = std::make_unique<EditedBytes>(std::move(source));
}

void FileDocument::Clear()
{
    m_bytes.reset();
}

bool FileDocument::Write(std::uint64_t offset, std::span<const std::uint8_t> bytes, bool join)
{
    if (!m_bytes || bytes.empty())
        return false;
    if (!m_bytes->Write(offset, bytes, join))
        return false;
    Tell();
    return true;
}

void FileDocument::Resize(std::uint64_t size)
{
    if (!m_bytes || size == m_bytes->Size())
        return;
    m_bytes->Resize(size);
    Tell();
}

void FileDocument::ChangeAsOneStep(const std::function<void()>& change)
{
    if (!m_bytes || m_grouping) {
        change();
        return;
    }
    m_grouping = true;
    m_changedInGroup = false;
    m_bytes->BeginGroup();
    change();
    m_bytes->EndGroup();
    m_grouping = false;
    if (m_changedInGroup)
        emit Changed();
}

void FileDocument::Tell()
{
    if (m_grouping)
        m_changedInGroup = true;
    else
        emit Changed();
}

bool FileDocument::Undo()
{
    if (!m_bytes || !m_bytes->Undo())
        return false;
    emit Changed();
    return true;
}

bool FileDocument::Redo()
{
    if (!m_bytes || !m_bytes->Redo())
        return false;
    emit Changed();
    return true;
}

void FileDocument::MarkSaved()
{
    if (m_bytes)
        m_bytes->MarkSaved();
}

}  // namespace hexlume
