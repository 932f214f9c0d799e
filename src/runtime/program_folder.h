#pragma once

#include <QString>

// The folder that holds the program and its data files ("CSV", the pages).
class ProgramFolder {
public:
    virtual ~ProgramFolder() = default;
    // The folder's path, without a closing separator.
    virtual QString path() const = 0;
};

// The folder of the running executable.
class ExecutableFolder final : public ProgramFolder {
public:
    QString path() const override;
};

// A folder named by the caller; tests point the program at a temporary folder with it.
class FixedFolder final : public ProgramFolder {
public:
    explicit FixedFolder(QString path) : m_path(std::move(path)) {}
    QString path() const override { return m_path; }

private:
    QString m_path;
};
