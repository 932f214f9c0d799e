#include "services.h"

#include "file_dialog.h"
#include "message_box.h"
#include "program_folder.h"
#include "shell_open.h"

Services desktopServices() {
    static ExecutableFolder folder;
    static QtMessageBox messages;
    static DesktopShellOpen shell(messages);
    static QtFileDialog dialog;
    return Services{&folder, &messages, &shell, &dialog};
}
