// Collects the routing facility's reports instead of showing modal boxes.
#pragma once

#include "controls/Subclasser.h"

#include <QString>
#include <utility>
#include <vector>

class ReportRecorder
{
public:
    struct Report
    {
        QString title;
        QString text;
    };

    ReportRecorder()
        : m_previous(controls::Subclasser::setReportHandler(
              [this](const QString &title, const QString &text) {
                  m_reports.push_back({title, text});
              }))
    {
    }
    ~ReportRecorder() { controls::Subclasser::setReportHandler(std::move(m_previous)); }
    ReportRecorder(const ReportRecorder &) = delete;
    ReportRecorder &operator=(const ReportRecorder &) = delete;

    const std::vector<Report> &reports() const { return m_reports; }

private:
    std::vector<Report> m_reports;
    controls::Subclasser::ReportHandler m_previous;
};
