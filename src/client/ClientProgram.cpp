#include "client/ClientProgram.h"

#include <QApplication>
#include <utility>

#include "client/TMainForm.h"
#include "core/MError.h"
#include "core/ProcessClock.h"
#include "net/SocketLibrary.h"

ClientProgram::ClientProgram() : ClientProgram(GetLocalHostName(false)) {}

ClientProgram::ClientProgram(std::string hostName)
    : hostName_(std::move(hostName)),
      logging_(std::make_unique<MErrorInit>("KELP", "Korvane", "", "", hostName_.c_str())) {
    FillTimeLimits();
}

ClientProgram::~ClientProgram() = default;

int ClientProgram::Run() {
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    TMainForm mainForm;
    mainForm.show();
    QApplication::exec();
    return 0;
}
