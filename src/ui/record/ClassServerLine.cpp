#include "ClassServerLine.h"

#include "store/ClassServer.h"

#include <QLocale>

ClassServerLine::ClassServerLine(QWidget *parent) : QLabel(parent) {
    setObjectName(QStringLiteral("Klassenserver"));
    setAccessibleName(QStringLiteral("Klassenserver"));
    setWordWrap(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    watch(nullptr);
}

void ClassServerLine::watch(ClassServer *server) {
    if (server_)
        disconnect(server_, nullptr, this, nullptr);
    server_ = server;
    if (!server) {
        setText(QStringLiteral("Klassenserver: nicht eingerichtet; der Lernstand bleibt auf "
                               "diesem Rechner."));
        return;
    }
    connect(server, &ClassServer::statusChanged, this, &ClassServerLine::show);
    show(server->status());
}

void ClassServerLine::show(const ClassServerStatus &status) {
    if (server_)
        setText(text(server_->service(), status));
}

QString ClassServerLine::text(const QString &service, const ClassServerStatus &status) {
    using State = ClassServerStatus::State;
    const QString classes = status.classes.join(QStringLiteral(", "));
    QString line = QStringLiteral("Klassenserver „%1“: ").arg(service);
    switch (status.state) {
    case State::Connecting:
        line += QStringLiteral("Verbindung wird aufgebaut …");
        break;
    case State::Computer:
        line += QStringLiteral("verbunden als Rechner (Klasse %1).").arg(classes);
        break;
    case State::Teacher:
        line += QStringLiteral("verbunden als Lehrkraft (Klasse %1).").arg(classes);
        break;
    case State::Offline:
    case State::Refused:
    case State::Newer:
        line += QStringLiteral("nicht verbunden.");
        break;
    }
    if (status.waiting == 1)
        line += QStringLiteral(" 1 Eintrag wartet auf das Senden.");
    else if (status.waiting > 1)
        line += QStringLiteral(" %1 Einträge warten auf das Senden.")
                    .arg(QLocale(QLocale::German).toString(status.waiting));
    if (status.lastBatch.isValid())
        line += QStringLiteral(" Zuletzt angekommen: %1.")
                    .arg(status.lastBatch.toLocalTime().toString(
                        QStringLiteral("dd.MM.yyyy, HH:mm 'Uhr'")));
    if (!status.lastError.isEmpty())
        line += QStringLiteral("\n") + status.lastError;
    return line;
}
