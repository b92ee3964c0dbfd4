#pragma once
// What a grid window is built from: the settings file it is configured from, the working
// directory (its first CSV export directory), its own section, its kind's titles and template
// sections, its title, and whether the template section is read in place of its own. A plain
// value, made by the main window.
#include <string>

struct BaseGridConfig {
    std::string SettingsFileName;
    std::string WorkingDirectory;
    std::string WindowSection;
    std::string TitlesSection;
    std::string TemplateSection;
    std::string WindowTitle;
    bool UseTemplate = false;
};
