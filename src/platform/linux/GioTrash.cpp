#include <gio/gio.h>

#include "platform/Trash.h"

namespace lumora {

TrashOutcome MoveToTrash(const std::string& path) {
    GFile* file = g_file_new_for_path(path.c_str());
    GError* error = nullptr;
    const gboolean trashed = g_file_trash(file, nullptr, &error);
    g_object_unref(file);
    if (trashed) return TrashOutcome::Trashed;
    const bool noTrash = g_error_matches(error, G_IO_ERROR, G_IO_ERROR_NOT_SUPPORTED);
    g_error_free(error);
    return noTrash ? TrashOutcome::NoTrash : TrashOutcome::Failed;
}

}  // namespace lumora
