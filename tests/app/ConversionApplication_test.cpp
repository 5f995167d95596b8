#include "app/ConversionApplication.h"

#include "db/Error.h"
#include "support/QtPrinters.h"
#include "ui/RecordingUi.h"

#include <QEvent>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace vorlanda;

namespace {

class Receiver final : public QObject {
public:
    std::function<void()> onEvent;
    int events = 0;

    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        ++events;
        if (onEvent)
            onEvent();
        return true;
    }
};

} // namespace

TEST(ConversionApplication, ShowsWhatEscapesAnEventHandlerWithItsOwnMessageAndGoesOn) {
    ScopedRecordingUserInterface ui;
    struct Case {
        std::function<void()> raise;
        QString shown;
    };
    const Case cases[] = {
        {[] { throw Error(QStringLiteral("lock conflict on no wait transaction"), 335544345); },
         QStringLiteral("lock conflict on no wait transaction")},
        {[] { throw std::runtime_error("bad conversion"); }, QStringLiteral("bad conversion")},
        {[] { throw 42; }, QStringLiteral("Erro desconhecido.")},
    };
    Receiver receiver;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown.toStdString());
        ui->Clear();
        receiver.onEvent = c.raise;
        QEvent event(QEvent::User);
        EXPECT_NO_THROW(QCoreApplication::sendEvent(&receiver, &event));
        EXPECT_EQ(ui->Messages(), (std::vector<RecordingUserInterface::Message>{
                                      {RecordingUserInterface::Kind::Error, c.shown}}));
    }

    // The program goes on: the next event is delivered as usual.
    receiver.onEvent = nullptr;
    ui->Clear();
    QEvent event(QEvent::User);
    EXPECT_TRUE(QCoreApplication::sendEvent(&receiver, &event));
    EXPECT_EQ(receiver.events, 4);
    EXPECT_TRUE(ui->Messages().empty());
}
