#pragma once
// The open and save dialogs of design cases: built on first use (building one loads icon
// themes, which would slow the start-up), centred over the window that owns them, wide
// enough for their name, size, type and date columns, in Japanese throughout, and leaving
// no completion pop-up behind when they close.

#include <QFileDialog>
#include <QPointer>

#include <functional>

namespace korvane {

// A dialog of the data files, with the filters of design cases.
QFileDialog *MakeDesignCaseDialog(QWidget *owner, QFileDialog::AcceptMode mode);

// Holds a file dialog that is built the first time it is used.
class FileDialogOnDemand {
public:
    using Builder = std::function<QFileDialog *()>;
    explicit FileDialogOnDemand(Builder build) : m_build(std::move(build)) {}

    QFileDialog *Get() const;
    bool IsBuilt() const { return !m_dialog.isNull(); }

    QFileDialog *operator->() const { return Get(); }
    QFileDialog &operator*() const { return *Get(); }

private:
    Builder m_build;
    mutable QPointer<QFileDialog> m_dialog;
};

} // namespace korvane
