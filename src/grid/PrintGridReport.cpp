#include "grid/PrintGridReport.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include "core/DateTimeText.h"
#include "grid/CSVExportManager.h"
#include "grid/PrintReportPlan.h"
#include "grid/TBaseGridForm.h"
#include "toolkit/QtCanvas.h"
#include "toolkit/QtText.h"

namespace {

// "yyyy.mm.dd hh:nn:ss" of the framework clock.
std::string ReportTime() {
    const std::string now = CSVExportManager::Now();
    return now.substr(0, 4) + "." + now.substr(4, 2) + "." + now.substr(6, 2) + " " + now.substr(8, 2) + ":" +
           now.substr(10, 2) + ":" + now.substr(12, 2);
}

}  // namespace

int PrintGridReport(TBaseGridForm& window, QPrinter& printer) {
    const std::string application = FromQt(QCoreApplication::applicationName());
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(ToQt(application));
    QPainter painter;
    if (!painter.begin(&printer)) return 0;
    QtCanvas canvas(painter);
    const PrintReportPlan plan(window.PrintTable, canvas, printer.width(), printer.height(),
                               printer.resolution());
    const std::string heading = application + " - " + window.Caption();
    const std::string generated = window.ReportAuthor() + " on " + ReportTime();
    for (int sheet = 0; sheet < plan.Sheets(); ++sheet) {
        if (sheet > 0) printer.newPage();
        plan.DrawSheet(canvas, sheet, heading, generated);
    }
    painter.end();
    return plan.Sheets();
}
