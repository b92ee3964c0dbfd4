#include "grid/TAboutBox.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <charconv>

#include "core/BaseIniFile.h"
#include "core/IniFileLocation.h"
#include "core/VersionInfo.h"
#include "grid/TAboutLogoForm.h"
#include "toolkit/QtText.h"

TAboutBox::TAboutBox(QWidget* owner) : Form(owner) {
    setObjectName("AboutBox");
    setWindowTitle(QStringLiteral("About"));
    SetCentreOnOwner(true);
    resize(570, 335);
    logoForm_ = new TAboutLogoForm(owner);

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    const auto label = [panel](const char* name, const char* caption) {
        auto* l = new QLabel(QString::fromLatin1(caption), panel);
        l->setObjectName(name);
        return l;
    };
    logoImage_ = label("LogoImage", "");
    logoImage_->setAttribute(Qt::WA_TranslucentBackground);
    productNameLabel_ = label("ProductNameLabel", "Product Name");
    versionLabel_ = label("VersionLabel", "Version");
    copyrightLabel_ = label("CopyrightLabel", "Copyright");
    fileDescriptionStaticText_ = label("FileDescriptionStaticText", "FileDescription");
    clientNameStaticText_ = label("ClientNameStaticText", "ClientName");
    auto* grid = new QGridLayout(panel);
    grid->addWidget(logoImage_, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(productNameLabel_, 0, 1);
    grid->addWidget(versionLabel_, 1, 1);
    grid->addWidget(copyrightLabel_, 2, 1);
    grid->addWidget(fileDescriptionStaticText_, 3, 1);
    grid->addWidget(clientNameStaticText_, 4, 1);
    grid->setColumnStretch(1, 1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("OKButton");
    BindButton(ok, mrOk);
    SetDefaultButton(ok);
    SetCancelButton(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel, 1);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    SetActiveControl(ok);

    onShow = [this] { FormShow(); };
    onClose = [this] {
        delete logoForm_;
        logoForm_ = nullptr;
    };
}

TAboutBox::~TAboutBox() {
    delete logoForm_;
}

std::string TAboutBox::GetClientLine(int target) {
    return target == 2 ? kSecondClientLine : kFirstClientLine;
}

void TAboutBox::SetClientLine(const BaseIniFile& file, const std::string& section, int defaultTarget) {
    const std::string value = file.ReadString(section, "ApplicationTarget", "");
    if (value.empty()) {
        clientNameStaticText_->setText(ToQt(GetClientLine(defaultTarget)));
        return;
    }
    int target = 0;
    const char* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, target);
    if (error != std::errc() || stop != end) target = defaultTarget;
    if (target < 0 || target >= 4) target = 0;
    clientNameStaticText_->setText(ToQt(GetClientLine(target)));
    clientLineSet_ = true;
}

void TAboutBox::FormShow() {
    VersionInfo version(GetExecutableDirectory() + "korvane");
    if (!clientLineSet_) clientNameStaticText_->setText(ToQt(GetClientLine(0)));
    fileDescriptionStaticText_->setText(ToQt(version.GetFileDescription()));
    productNameLabel_->setText(ToQt(version.GetProductName()));
    versionLabel_->setText(ToQt("Version " + version.GetFileVersion()));
    // The prefix only before a copyright text: a program without a version block shows none.
    const std::string copyright = version.GetLegalCopyright();
    copyrightLabel_->setText(ToQt(copyright.empty() ? std::string() : "Copyright " + copyright));
    ShowLogo();
}

void TAboutBox::ShowLogo() {
    if (!logoForm_) return;
    logoImage_->setAttribute(Qt::WA_TranslucentBackground);
    logoImage_->setPixmap(logoForm_->VARNImage->pixmap());
}
