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
