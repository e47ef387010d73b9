#pragma once

#include "model/EditedBytes.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

namespace hexlume {

// The open file as the window changes it: its bytes as read, the user's edits kept apart from
// them, and their history. Every view shows Bytes(); Changed() tells them to read it again, by
// the same road as a reload, so no two views can disagree. The opened file is never written.
class FileDocument : public QObject {
    Q_OBJECT

public:
    explicit FileDocument(QObject* parent = nullptr);

    // A newly opened file's bytes (or the file read again from disk): the history starts afresh.
    // A Save As keeps the document and its history; it only marks the bytes saved, which the
    // tint and the count then compare against.
    void Reset(std::shared_ptr<const ByteSource> source);
    void Clear();
    bool HasFile() const { return m_bytes != nullptr; }
    // Only while HasFile().
    const EditedBytes& Bytes() const { return *m_bytes; }

    // One step of the history each; join: a run of typed bytes goes on as one step. False, and
    // nothing changed, for a run outside the bytes.
    bool Write(std::uint64_t offset, std::span<const std::uint8_t> bytes, bool join = false);
    void Resize(std::uint64_t size);
    // The Writes and Resizes `change` makes are one step of the history, and the views are told
    // once, after the last.
    void ChangeAsOneStep(const std::function<void()>& change);
    bool Undo();
    bool Redo();
    bool CanUndo() const { return m_bytes && m_bytes->CanUndo(); }
    bool CanRedo() const { return m_bytes && m_bytes->CanRedo(); }
    bool HasUnsavedEdits() const { return m_bytes && m_bytes->HasUnsavedEdits(); }
    void MarkSaved();

signals:
    void Changed();

private:
    // Changed(), or noted for the end of the open group.
    void Tell();

    std::unique_ptr<EditedBytes> m_bytes;
    bool m_grouping = false;
    bool m_changedInGroup = false;
};

}  // namespace hexlume
