#pragma once

#include "program_folder.h"

#include <utility>

// A program folder named by the caller, such as a temporary folder.
class FixedFolder final : public ProgramFolder {
public:
    explicit FixedFolder(QString path) : m_path(std::move(path)) {}
    QString path() const override { return m_path; }

private:
    QString m_path;
};
