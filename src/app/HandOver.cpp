#include "app/HandOver.h"

#include "platform/SingleInstance.h"

#include <QCoreApplication>

HandOverResult HandOver(platform::SingleInstance& instance, WindowCommand command, int timeoutMs)
{
    using Outcome = platform::SingleInstance::Outcome;
    const QString method =
        command == WindowCommand::None ? QLatin1String(platform::SingleInstance::ACTIVATE) : CommandName(command);
    const platform::SingleInstance::Reply reply = instance.Call(method, timeoutMs);
    switch (reply.outcome) {
    case Outcome::Answered:
        if (reply.answer.done)
            return {};
        return {EXIT_REFUSED, reply.answer.refusal};
    case Outcome::NotRunning:
        return {EXIT_REFUSED, QCoreApplication::translate("HandOver", "Tessavox is not running.")};
    case Outcome::NoBus:
        return {EXIT_REFUSED, QCoreApplication::translate(
                                  "HandOver", "Tessavox is not running, or cannot be reached: there is no session bus.")};
    case Outcome::NoAnswer:
        break;
    }
    return {EXIT_REFUSED,
            QCoreApplication::translate("HandOver", "Tessavox is running but did not answer: %1").arg(reply.error)};
}
