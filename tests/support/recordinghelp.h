#pragma once

#include "helpservice.h"

#include <QList>
#include <QPoint>

// Records every help request instead of showing a window. Installs itself for its lifetime.
class TRecordingHelp final : public THelpService {
public:
    enum class Kind { Contents, Topic, Popup, WhatsThis };
    struct Request {
        Kind kind = Kind::Contents;
        int topic = 0;
        QPoint position;
        bool operator==(const Request &other) const = default;
    };

    TRecordingHelp();
    ~TRecordingHelp() override;

    const QList<Request> &requests() const { return m_requests; }
    // The last request, or a Contents request of topic -1 when there was none.
    Request last() const
    {
        return m_requests.isEmpty() ? Request{Kind::Contents, -1, {}} : m_requests.last();
    }
    void clear() { m_requests.clear(); }

    void ShowContents() override { m_requests.append({Kind::Contents, 0, {}}); }
    void ShowTopic(int topic) override { m_requests.append({Kind::Topic, topic, {}}); }
    void ShowPopupTopic(int topic, QPoint position) override
    {
        m_requests.append({Kind::Popup, topic, position});
    }
    void ShowWhatsThis(int topic, QPoint position) override
    {
        m_requests.append({Kind::WhatsThis, topic, position});
    }

private:
    QList<Request> m_requests;
};
