#include "controls/Subclasser.h"

#include "controls/SubclassRecord.h"
#include "controls/WindowMessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <QWidget>
#include <algorithm>

namespace controls {
namespace {

const char *const SubclassRoutine = "sc_Subclass";
const char *const UnSubclassRoutine = "sc_UnSubclass";
const char *const AddMsgRoutine = "zAddMsg";
const char *const DelMsgRoutine = "zDelMsg";
const char *const MapRoutine = "zMap_hWnd";

void showReportBox(const QString &title, const QString &text)
{
    // A box can only be shown by the GUI thread; elsewhere the log line is all.
    if (!qApp || QThread::currentThread() != qApp->thread())
        return;
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok);
    box.exec();
}

Subclasser::ReportHandler &reportHandler()
{
    static Subclasser::ReportHandler handler = showReportBox;
    return handler;
}

std::vector<SubclassMsgTable *> selectedTables(SubclassRecord &record, int when)
{
    std::vector<SubclassMsgTable *> tables;
    if (when & Subclasser::MSG_BEFORE)
        tables.push_back(&record.before());
    if (when & Subclasser::MSG_AFTER)
        tables.push_back(&record.after());
    return tables;
}

bool isLiveWidget(const QWidget *window)
{
    return window && QApplication::allWidgets().contains(const_cast<QWidget *>(window));
}

} // namespace

Subclasser::Subclasser(const QString &ownerClassName, SubclassCallback *owner)
    : m_ownerClass(ownerClassName)
    , m_owner(owner)
{
}

Subclasser::~Subclasser()
{
    Teardown();
}

Subclasser::ReportHandler Subclasser::setReportHandler(ReportHandler handler)
{
    return std::exchange(reportHandler(), std::move(handler));
}

bool Subclasser::Subclass(QWidget *window, qint32 userValue, SubclassCallback *callback)
{
    if (!isLiveWidget(window)) {
        report(SubclassRoutine, QStringLiteral("Invalid window handle"));
        return false;
    }
    if (window->thread() != QThread::currentThread()) {
        report(SubclassRoutine, QStringLiteral("Window handle belongs to another process"));
        return false;
    }
    SubclassCallback *target = callback ? callback : m_owner;
    if (!target) {
        report(SubclassRoutine, QStringLiteral("Callback method not found"));
        return false;
    }
    if (!m_registry)
        m_registry.emplace();
    if (findRecord(window))
        return true;
    forget(window);
    m_registry->emplace_back(window, new SubclassRecord(window, target, userValue));
    return true;
}

void Subclasser::UnSubclass(QWidget *window)
{
    if (!m_registry) {
        report(UnSubclassRoutine, QStringLiteral("Window handle isn't subclassed"));
        return;
    }
    if (SubclassRecord *record = findRecord(window))
        record->release();
    forget(window);
}

void Subclasser::AddMsg(QWidget *window, int message, int when)
{
    SubclassRecord *record = zMap_hWnd(window);
    if (!record)
        return;
    for (SubclassMsgTable *table : selectedTables(*record, when)) {
        if (table->add(message) == SubclassMsgTable::AddResult::Overflow) {
            report(AddMsgRoutine,
                   QStringLiteral("Message table overflow. Either increase the value of Const "
                                  "MSG_ENTRIES or use ALL_MESSAGES instead of specific message "
                                  "values"));
        }
    }
}

void Subclasser::DelMsg(QWidget *window, int message, int when)
{
    SubclassRecord *record = zMap_hWnd(window);
    if (!record)
        return;
    for (SubclassMsgTable *table : selectedTables(*record, when)) {
        if (!table->remove(message)) {
            const QString hex = QString::number(quint32(message), 16).toUpper();
            report(DelMsgRoutine,
                   QStringLiteral("Message &H") + hex + QStringLiteral(" not found in table"));
        }
    }
}

qint32 Subclasser::CallPreviousProc(QWidget *window, int message, qint32 wParam, qint32 lParam)
{
    SubclassRecord *record = zMap_hWnd(window);
    return record ? record->callPrevious(message, wParam, lParam) : 0;
}

qint32 Subclasser::userValue(QWidget *window)
{
    SubclassRecord *record = zMap_hWnd(window);
    return record ? record->userValue() : 0;
}

void Subclasser::setUserValue(QWidget *window, qint32 value)
{
    if (SubclassRecord *record = zMap_hWnd(window))
        record->setUserValue(value);
}

void Subclasser::TrackLeave(QWidget *window)
{
    if (SubclassRecord *record = findRecord(window))
        record->requestLeave();
}

void Subclasser::Teardown()
{
    if (!m_registry)
        return;
    const Registry entries = *m_registry;
    for (auto it = entries.rbegin(); it != entries.rend(); ++it)
        if (it->second)
            it->second->release();
    m_registry.reset();
}

SubclassRecord *Subclasser::zMap_hWnd(const QWidget *window)
{
    if (!m_registry) {
        report(MapRoutine, QStringLiteral("Subclassing hasn't been started"));
        return nullptr;
    }
    return findRecord(window);
}

SubclassRecord *Subclasser::findRecord(const QWidget *window) const
{
    if (!m_registry)
        return nullptr;
    const auto it =
        std::find_if(m_registry->begin(), m_registry->end(), [window](const auto &entry) {
            return entry.first == window && entry.second && entry.second->window() == window;
        });
    return it != m_registry->end() ? it->second.data() : nullptr;
}

// Also drops entries whose record has gone with its widget, so a new widget
// at a reused address starts afresh.
void Subclasser::forget(const QWidget *window)
{
    if (!m_registry)
        return;
    m_registry->erase(std::remove_if(m_registry->begin(), m_registry->end(),
                                     [window](const auto &entry) {
                                         return entry.first == window || !entry.second;
                                     }),
                      m_registry->end());
}

void Subclasser::report(const char *routine, const QString &message) const
{
    const QString where = m_ownerClass + QLatin1Char('.') + QLatin1String(routine);
    qCritical().noquote() << where + QStringLiteral(": ") + message;
    if (reportHandler())
        reportHandler()(QStringLiteral("Error in ") + where, message + QLatin1Char('.'));
}

} // namespace controls
