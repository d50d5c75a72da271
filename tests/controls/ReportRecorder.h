// Collects the routing facility's reports as "title: text" instead of boxes.
#pragma once

#include "controls/Subclasser.h"

#include <QStringList>
#include <utility>

class ReportRecorder
{
public:
    ReportRecorder()
        : m_previous(controls::Subclasser::setReportHandler(
              [this](const QString &title, const QString &text) {
                  m_reports << title + QStringLiteral(": ") + text;
              }))
    {
    }
    ~ReportRecorder() { controls::Subclasser::setReportHandler(std::move(m_previous)); }
    ReportRecorder(const ReportRecorder &) = delete;
    ReportRecorder &operator=(const ReportRecorder &) = delete;

    const QStringList &reports() const { return m_reports; }

private:
    QStringList m_reports;
    controls::Subclasser::ReportHandler m_previous;
};
