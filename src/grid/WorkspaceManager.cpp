#include "grid/WorkspaceManager.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "core/BaseIniFile.h"
#include "core/MError.h"
#include "core/MIniStore.h"
#include "toolkit/BusyCursor.h"
#include "toolkit/FileDialogSpec.h"
#include "toolkit/UiHost.h"

namespace {

const char* const kWorkspaceFilter = "Workspace files (*.wrk)|*.WRK";
const char* const kConfigurationFilter = "Configuration files (*.cfg)|*.CFG";

FileDialogSpec OpenSpec(const char* title, const char* filter, const char* extension) {
    FileDialogSpec spec;
    spec.title = title;
    spec.filter = filter;
    spec.defaultExt = extension;
    spec.mustExist = true;
    return spec;
}

FileDialogSpec SaveSpec(const char* title, const char* filter, const char* extension) {
    FileDialogSpec spec;
    spec.title = title;
    spec.filter = filter;
    spec.defaultExt = extension;
    spec.overwritePrompt = true;
    spec.pathMustExist = true;
    return spec;
}

// The absolute path with links and "." and ".." resolved as far as the path exists.
std::filesystem::path Canonical(const std::string& fileName) {
    std::error_code error;
    std::filesystem::path path = std::filesystem::weakly_canonical(fileName, error);
    return error ? std::filesystem::path(fileName).lexically_normal() : path;
}

}  // namespace

WorkspaceManager::WorkspaceManager(QMdiArea* area) : area_(area) {}

QWidget* WorkspaceManager::Owner() const {
    return area_ ? area_->window() : nullptr;
}

std::string WorkspaceManager::GetCaptionSuffix() const {
    if (IsUnnamed()) return " - Workspace: Not defined";
    const size_t slash = fileName_.rfind('/');
    std::string name = slash == std::string::npos ? fileName_ : fileName_.substr(slash + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(name.find(name.substr(dot)));
    return " - Workspace: " + name;
}

void WorkspaceManager::OpenWorkspace() {
    std::string chosen;
    if (!Ui().OpenFile(Owner(), OpenSpec("Open Workspace", kWorkspaceFilter, "wrk"), chosen)) return;
    const bool sameFile = !IsUnnamed() && Canonical(chosen) == Canonical(fileName_);
    if (sameFile && !modified_) return;
    if (!ConfirmSaveChanges()) return;
    CloseWorkspace();
    LoadWorkspace(chosen);
}

void WorkspaceManager::LoadWorkspace(const std::string& fileName) {
    const BusyCursor busy;
    if (LoadFile(fileName)) {
        fileName_ = fileName;
        LoadTitles(fileName);
        LoadTemplates(fileName);
    } else {
        fileName_.clear();
    }
}

void WorkspaceManager::Reload() {
    LoadWorkspace(fileName_);
    modified_ = false;
}

bool WorkspaceManager::SaveTo(const std::string& fileName) {
    bool written = false;
    {
        const BusyCursor busy;
        written = WriteReplacing(fileName, [&](BaseIniFile& file) {
            if (!SaveFile(file, fileName)) file.WriteString("Application", "Name", kApplicationName);
        });
    }
    if (!written) {
        Ui().MessageBox(Owner(), "Unable to overwrite the workspace file!\n", "Error - Saving Workspace",
                        BoxIcon::Error, BoxButtons::Ok);
        return false;
    }
    WorkspaceSaved(fileName);
    modified_ = false;
    return true;
}

bool WorkspaceManager::SaveAs() {
    std::string chosen;
    if (!Ui().SaveFile(Owner(), SaveSpec("Save Workspace As", kWorkspaceFilter, "wrk"), chosen)) return true;
    if (!SaveTo(chosen)) return false;
    fileName_ = chosen;
    return true;
}

bool WorkspaceManager::ConfirmSaveChanges() {
    if (!modified_) return true;
    bool goOn = false;
    switch (Ui().MessageBox(Owner(),
                            "The configuration of currently open workspace has been changed.\nDo you want to "
                            "save it?",
                            "Saving Workspace Data", BoxIcon::Question, BoxButtons::YesNoCancel)) {
        case mrYes:
            goOn = IsUnnamed() ? SaveAs() : Save();
            break;
        case mrNo:
            goOn = true;
            break;
        default:
            break;
    }
    if (goOn) modified_ = false;
    return goOn;
}

void WorkspaceManager::CloseWorkspace() {
    if (IsUnnamed()) return;
    if (area_) {
        const QList<QMdiSubWindow*> children = area_->subWindowList();
        for (auto child = children.rbegin(); child != children.rend(); ++child) {
            const QPointer<QMdiSubWindow> window(*child);
            if (window) window->close();  // the window's own close query may refuse
        }
    }
    ResetTitles();
    ClearTemplates();
    modified_ = false;
    fileName_.clear();
}

void WorkspaceManager::OpenWindow() {
    std::string chosen;
    if (!Ui().OpenFile(Owner(), OpenSpec("Load Configuration", kConfigurationFilter, "cfg"), chosen)) return;
    if (LoadFile(chosen)) SetModified();
}

bool WorkspaceManager::SaveWindowAsFile() {
    std::string chosen;
    if (!Ui().SaveFile(Owner(), SaveSpec("Save Configuration As", kConfigurationFilter, "cfg"), chosen))
        return true;
    if (!WriteReplacing(chosen, [&](BaseIniFile& file) { SaveWindowAs(file); })) {
        Ui().MessageBox(Owner(),
                        "Unable to overwrite the existing configuration file!\nFile could be open by another "
                        "application.",
                        "Error - Saving Window As", BoxIcon::Error, BoxButtons::Ok);
        return false;
    }
    return true;
}

bool WorkspaceManager::WriteReplacing(const std::string& fileName,
                                      const std::function<void(BaseIniFile&)>& write) {
    const std::string target = MIniStore::FollowLinks(fileName);
    std::string temporary = target + ".new-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        MLOG(LOG_ERROR, "Unable to write the file %s: %s", fileName.c_str(), std::strerror(errno));
        return false;
    }
    // The new file keeps the permissions of the one it replaces.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(fd, old.st_mode & 07777);
    ::close(fd);

    bool written = false;
    {
        BaseIniFile file(temporary);
        write(file);
        written = file.Flush();
    }
    if (written && std::rename(temporary.c_str(), target.c_str()) != 0) {
        MLOG(LOG_ERROR, "Unable to replace the file %s: %s", fileName.c_str(), std::strerror(errno));
        written = false;
    }
    if (!written) ::unlink(temporary.c_str());
    return written;
}
