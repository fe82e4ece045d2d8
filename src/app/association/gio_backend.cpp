#ifndef _WIN32

#include "app/association/gio_backend.h"

#include "app/association/mime_package.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <string_view>

namespace obrix::association {

namespace {

std::string text(const char* value) {
    return value ? std::string(value) : std::string();
}

std::string userDataPath(const char* folder, const char* file) {
    g_autofree char* path = g_build_filename(g_get_user_data_dir(), folder, file, nullptr);
    return path;
}

// The content type the MIME database gives a file of that name; "" when it knows none.
std::string contentTypeOf(const std::string& fileName) {
    g_autofree char* type = g_content_type_guess(fileName.c_str(), nullptr, 0, nullptr);
    return type && !g_content_type_is_unknown(type) ? std::string(type) : std::string();
}

// An Exec argument in double quotes, as desktop entries quote it: ", `, $ and \ are escaped
// with a backslash, and a literal % is written twice.
std::string execArgument(std::string_view program) {
    std::string quoted = "\"";
    for (const char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        if (c == '%')
            quoted += '%';
        quoted += c;
    }
    return quoted + '"';
}

// Full path of the executable file an application starts; "" when it is not one. TryExec names
// it plainly; else it is the first word of the command line.
std::string programOf(GAppInfo* app) {
    g_autofree char* tryExec =
        G_IS_DESKTOP_APP_INFO(app)
            ? g_desktop_app_info_get_string(G_DESKTOP_APP_INFO(app), "TryExec")
            : nullptr;
    const char* commandLine = g_app_info_get_commandline(app);
    int argc = 0;
    g_auto(GStrv) argv = nullptr;
    if (!tryExec && (!commandLine || !g_shell_parse_argv(commandLine, &argc, &argv, nullptr)))
        return {};
    g_autofree char* found = g_find_program_in_path(tryExec ? tryExec : argv[0]);
    return text(found);
}

// Writes the file unless it already holds exactly that text; true when it wrote.
bool writeIfChanged(const std::string& path, const std::string& content) {
    g_autofree char* current = nullptr;
    gsize length = 0;
    if (g_file_get_contents(path.c_str(), &current, &length, nullptr) &&
        std::string_view(current, length) == content)
        return false;
    g_autofree char* folder = g_path_get_dirname(path.c_str());
    g_mkdir_with_parents(folder, 0700);
    return g_file_set_contents(path.c_str(), content.c_str(), static_cast<gssize>(content.size()),
                               nullptr);
}

// The desktop entry that opens files with the program: the installed one when it starts this
// very program, else one written for the user.
GAppInfo* desktopEntryFor(const FileTypeRegistration& registration, bool& wrote) {
    if (GDesktopAppInfo* installed = g_desktop_app_info_new(kDesktopId)) {
        if (programOf(G_APP_INFO(installed)) == registration.program)
            return G_APP_INFO(installed);
        g_object_unref(installed);
    }
    g_autoptr(GKeyFile) entry = g_key_file_new();
    const char* group = G_KEY_FILE_DESKTOP_GROUP;
    const std::string name(registration.description);
    // GIO checks the first word of Exec before it undoes doubled % signs: a program whose path
    // holds one is started through env. TryExec names it plainly for every lookup.
    const bool percent = registration.program.find('%') != std::string::npos;
    const std::string exec = (percent ? "env " : "") + execArgument(registration.program) + " %f";
    const char* mimeTypes[] = {kRecordMimeType, nullptr};
    const char* categories[] = {"Science", "MedicalSoftware", nullptr};
    g_key_file_set_string(entry, group, G_KEY_FILE_DESKTOP_KEY_TYPE, "Application");
    g_key_file_set_string(entry, group, G_KEY_FILE_DESKTOP_KEY_NAME, name.c_str());
    g_key_file_set_string(entry, group, G_KEY_FILE_DESKTOP_KEY_EXEC, exec.c_str());
    g_key_file_set_string(entry, group, G_KEY_FILE_DESKTOP_KEY_TRY_EXEC,
                          registration.program.c_str());
    g_key_file_set_string(entry, group, G_KEY_FILE_DESKTOP_KEY_ICON, registration.icon.c_str());
    g_key_file_set_string_list(entry, group, G_KEY_FILE_DESKTOP_KEY_MIME_TYPE, mimeTypes, 1);
    g_key_file_set_boolean(entry, group, G_KEY_FILE_DESKTOP_KEY_TERMINAL, FALSE);
    g_key_file_set_string_list(entry, group, G_KEY_FILE_DESKTOP_KEY_CATEGORIES, categories, 2);

    gsize length = 0;
    g_autofree char* content = g_key_file_to_data(entry, &length, nullptr);
    const std::string path = userDataPath("applications", kDesktopId);
    wrote = writeIfChanged(path, std::string(content, length));
    GDesktopAppInfo* written = g_desktop_app_info_new_from_filename(path.c_str());
    return written ? G_APP_INFO(written) : nullptr;
}

// Starts the program in the background with no input or output, looked up in PATH; the child
// is reaped by GLib, so nothing waits for it.
void startDetached(const char* program, const std::string& argument) {
    const char* argv[] = {program, argument.c_str(), nullptr};
    g_spawn_async("/", const_cast<char**>(argv), nullptr,
                  static_cast<GSpawnFlags>(G_SPAWN_SEARCH_PATH | G_SPAWN_STDIN_FROM_DEV_NULL |
                                           G_SPAWN_STDOUT_TO_DEV_NULL | G_SPAWN_STDERR_TO_DEV_NULL),
                  nullptr, nullptr, nullptr, nullptr);
}

} // namespace

std::string GioBackend::programFolder() {
    g_autofree char* path = g_file_read_link("/proc/self/exe", nullptr);
    if (!path)
        return {};
    g_autofree char* folder = g_path_get_dirname(path);
    return text(folder);
}

std::string GioBackend::associatedProgram(std::string_view extension) {
    const std::string type = contentTypeOf("~." + std::string(extension));
    if (type.empty())
        return {};
    g_autoptr(GAppInfo) app = g_app_info_get_default_for_type(type.c_str(), FALSE);
    return app ? programOf(app) : std::string();
}

void GioBackend::installMimePackage(std::string_view extension) {
    // Known already: installed with the program, or for the user at an earlier start.
    if (contentTypeOf("~" + std::string(extension)) == kRecordMimeType)
        return;
    wroteMimePackage_ = writeIfChanged(userDataPath("mime/packages", "obrix.xml"), kMimePackage);
}

void GioBackend::registerFileType(const FileTypeRegistration& registration) {
    installMimePackage(registration.extension);
    g_autoptr(GAppInfo) entry = desktopEntryFor(registration, wroteDesktopEntry_);
    if (!entry)
        return;
    g_autoptr(GAppInfo) current = g_app_info_get_default_for_type(kRecordMimeType, FALSE);
    if (!current || !g_app_info_equal(current, entry))
        g_app_info_set_as_default_for_type(entry, kRecordMimeType, nullptr);
}

void GioBackend::notifyAssociationsChanged() {
    if (wroteMimePackage_)
        startDetached("update-mime-database", userDataPath("mime", nullptr));
    if (wroteDesktopEntry_)
        startDetached("update-desktop-database", userDataPath("applications", nullptr));
}

} // namespace obrix::association

#endif // _WIN32
