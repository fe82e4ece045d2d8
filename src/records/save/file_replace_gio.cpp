#include "records/save/file_replace.h"

#include <gio/gfiledescriptorbased.h>
#include <gio/gio.h>
#include <glib/gstdio.h>

#include <cerrno>
#include <memory>
#include <system_error>

// GIO's g_file_replace with G_FILE_CREATE_NONE writes a temporary file and renames it over the
// target, giving it the target's owner, group and mode, and falls back to truncating the target
// in place when it cannot (other hard links, a folder it may not write, an owner it cannot give).
// That rename drops extended attributes and access control lists, and the in-place fallback
// without a backup loses the old contents when the write then fails; GIO's own backup
// ("name~") fails in a folder the user may not write and stays behind after a success.
// G_FILE_CREATE_REPLACE_DESTINATION always renames and so keeps nothing.
//
// So the old contents are always copied first, GIO's rename is used only where it certainly
// keeps the file's identity, every other save writes in place, and a failed save puts the copy
// back in place before the copy is removed.

namespace obrix::records {

namespace {

struct ObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T>
using Owned = std::unique_ptr<T, ObjectUnref>;

// GIO's messages for local files are a sentence of its own, a colon and the C library's
// description ("Error opening file “/a/b.oci”: Permission denied"). The description alone is
// kept, so that the message reads the same as for the checks made before GIO is involved.
std::string describe(GError* error) {
    const std::string_view message = error->message;
    const std::size_t colon = message.rfind(": ");
    std::string text(colon == std::string_view::npos ? message : message.substr(colon + 2));
    g_error_free(error);
    return text;
}

// Closes out without finishing it: a replacement in progress is abandoned, GIO removes its
// temporary file and the target keeps its old contents.
std::string abandon(GOutputStream* out, std::string description) {
    const Owned<GCancellable> cancelled(g_cancellable_new());
    g_cancellable_cancel(cancelled.get());
    g_output_stream_close(out, cancelled.get(), nullptr);
    return description;
}

// Writes all of source to out, makes it reach the disk and closes out.
std::string pour(GOutputStream* out, GInputStream* source) {
    GError* error = nullptr;
    if (g_output_stream_splice(out, source, G_OUTPUT_STREAM_SPLICE_CLOSE_SOURCE, nullptr,
                               &error) < 0)
        return abandon(out, describe(error));
    // GIO flushes to the disk only when it renames over an existing file; a copy, a new file
    // and an in-place write must reach the disk before the next step relies on them.
    if (G_IS_FILE_DESCRIPTOR_BASED(out) &&
        g_fsync(g_file_descriptor_based_get_fd(G_FILE_DESCRIPTOR_BASED(out))) != 0)
        return abandon(out, std::error_code(errno, std::generic_category()).message());
    if (!g_output_stream_close(out, nullptr, &error))
        return describe(error);
    return {};
}

Owned<GInputStream> bytesStream(std::string_view bytes) {
    return Owned<GInputStream>(
        g_memory_input_stream_new_from_data(bytes.data(), static_cast<gssize>(bytes.size()),
                                            nullptr));
}

std::string writeNew(GFile* file, std::string_view bytes) {
    GError* error = nullptr;
    const Owned<GFileOutputStream> out(g_file_create(file, G_FILE_CREATE_NONE, nullptr, &error));
    if (!out)
        return describe(error);
    std::string failure = pour(G_OUTPUT_STREAM(out.get()), bytesStream(bytes).get());
    if (!failure.empty())
        g_file_delete(file, nullptr, nullptr); // created above, so nobody else's file
    return failure;
}

std::string writeReplacing(GFile* file, std::string_view bytes) {
    GError* error = nullptr;
    const Owned<GFileOutputStream> out(
        g_file_replace(file, nullptr, FALSE, G_FILE_CREATE_NONE, nullptr, &error));
    if (!out)
        return describe(error);
    return pour(G_OUTPUT_STREAM(out.get()), bytesStream(bytes).get());
}

// The same file, cut to nothing and filled again: every name, owner and attribute stays.
std::string writeInPlace(GFile* file, GInputStream* source) {
    GError* error = nullptr;
    const Owned<GFileIOStream> stream(g_file_open_readwrite(file, nullptr, &error));
    if (!stream)
        return describe(error);
    if (!g_seekable_truncate(G_SEEKABLE(stream.get()), 0, nullptr, &error))
        return describe(error);
    return pour(g_io_stream_get_output_stream(G_IO_STREAM(stream.get())), source);
}

struct Copy {
    Owned<GFile> file;
    bool besideTarget = false;
};

// Creates a new private file with a unique name in folder; null when the folder refuses.
Owned<GFileOutputStream> createUnique(GFile* folder, const std::string& stem, Owned<GFile>& file) {
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        char suffix[16];
        g_snprintf(suffix, sizeof suffix, ".%08x.bak", g_random_int());
        file.reset(g_file_get_child(folder, (stem + suffix).c_str()));
        GError* error = nullptr;
        Owned<GFileOutputStream> out(
            g_file_create(file.get(), G_FILE_CREATE_PRIVATE, nullptr, &error));
        if (out)
            return out;
        const bool taken = g_error_matches(error, G_IO_ERROR, G_IO_ERROR_EXISTS);
        g_error_free(error);
        if (!taken)
            break;
    }
    file.reset();
    return nullptr;
}

// Copies the target's contents to the disk, beside it where its folder allows, else in the
// temporary folder.
std::string keepCopy(GFile* target, Copy& copy) {
    const Owned<GFile> folder(g_file_get_parent(target));
    const std::unique_ptr<char, decltype(&g_free)> name(g_file_get_basename(target), g_free);
    Owned<GFileOutputStream> out = createUnique(folder.get(), name.get(), copy.file);
    copy.besideTarget = out != nullptr;
    if (!out) {
        const Owned<GFile> temporary(g_file_new_for_path(g_get_tmp_dir()));
        out = createUnique(temporary.get(), "obrix-record", copy.file);
        if (!out)
            return std::make_error_code(std::errc::permission_denied).message();
    }
    GError* error = nullptr;
    const Owned<GFileInputStream> source(g_file_read(target, nullptr, &error));
    std::string failure = source ? pour(G_OUTPUT_STREAM(out.get()), G_INPUT_STREAM(source.get()))
                                 : abandon(G_OUTPUT_STREAM(out.get()), describe(error));
    if (!failure.empty())
        g_file_delete(copy.file.get(), nullptr, nullptr);
    return failure;
}

bool hasExtendedAttributes(GFileInfo* info) {
    for (const char* space : {"xattr", "xattr-sys"}) {
        const std::unique_ptr<char*, decltype(&g_strfreev)> names(
            g_file_info_list_attributes(info, space), g_strfreev);
        if (names && names.get()[0])
            return true;
    }
    return false;
}

// GIO's rename keeps the file's identity when the file has one name, no extended attributes or
// access control lists, and a new file in its folder (the copy) gets its owner and group anyway.
bool renameKeepsIdentity(GFile* target, const Copy& copy) {
    if (!copy.besideTarget)
        return false;
    const Owned<GFileInfo> info(g_file_query_info(
        target, "unix::nlink,unix::uid,unix::gid,xattr::*,xattr-sys::*",
        G_FILE_QUERY_INFO_NONE, nullptr, nullptr));
    const Owned<GFileInfo> fresh(g_file_query_info(copy.file.get(), "unix::uid,unix::gid",
                                                   G_FILE_QUERY_INFO_NONE, nullptr, nullptr));
    if (!info || !fresh)
        return false;
    const auto number = [](GFileInfo* of, const char* key) {
        return g_file_info_get_attribute_uint32(of, key);
    };
    return number(info.get(), G_FILE_ATTRIBUTE_UNIX_NLINK) == 1 &&
           number(info.get(), G_FILE_ATTRIBUTE_UNIX_UID) ==
               number(fresh.get(), G_FILE_ATTRIBUTE_UNIX_UID) &&
           number(info.get(), G_FILE_ATTRIBUTE_UNIX_GID) ==
               number(fresh.get(), G_FILE_ATTRIBUTE_UNIX_GID) &&
           !hasExtendedAttributes(info.get());
}

bool sameContents(GFile* first, GFile* second) {
    char* a = nullptr;
    char* b = nullptr;
    gsize aSize = 0;
    gsize bSize = 0;
    const bool read = g_file_load_contents(first, nullptr, &a, &aSize, nullptr, nullptr) &&
                      g_file_load_contents(second, nullptr, &b, &bSize, nullptr, nullptr);
    const bool same = read && std::string_view(a, aSize) == std::string_view(b, bSize);
    g_free(a);
    g_free(b);
    return same;
}

} // namespace

std::string replaceFileContents(const std::filesystem::path& path, std::string_view bytes) {
    const Owned<GFile> file(g_file_new_for_path(path.c_str()));
    if (!g_file_query_exists(file.get(), nullptr))
        return writeNew(file.get(), bytes);

    Copy copy;
    if (std::string failure = keepCopy(file.get(), copy); !failure.empty())
        return failure;
    std::string failure = renameKeepsIdentity(file.get(), copy)
                              ? writeReplacing(file.get(), bytes)
                              : writeInPlace(file.get(), bytesStream(bytes).get());
    if (!failure.empty() && !sameContents(file.get(), copy.file.get())) {
        GError* error = nullptr;
        const Owned<GFileInputStream> old(g_file_read(copy.file.get(), nullptr, &error));
        const std::string restoreFailure =
            old ? writeInPlace(file.get(), G_INPUT_STREAM(old.get())) : describe(error);
        if (!restoreFailure.empty()) {
            // The copy is now the only whole version of the old contents: keep it and say where.
            const std::unique_ptr<char, decltype(&g_free)> where(
                g_file_get_parse_name(copy.file.get()), g_free);
            return failure + " (the previous contents are kept in " + where.get() + ")";
        }
    }
    g_file_delete(copy.file.get(), nullptr, nullptr);
    return failure;
}

} // namespace obrix::records
