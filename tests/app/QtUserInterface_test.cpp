#include "app/QtUserInterface.h"

#include "support/QtPrinters.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vorlanda;

namespace {

struct SeenBox {
    bool found = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    int buttons = 0;
    bool okButton = false;
    Qt::WindowModality modality = Qt::NonModal;
    // The smaller text under the message, as painted: empty when the box shows none.
    QString informative;
    bool informativePainted = false;
};

// Whether a widget's picture holds more than one colour: its text was painted.
bool PaintsSomething(QWidget& widget) {
    const QImage picture = widget.grab().toImage();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != picture.pixel(0, 0))
                return true;
    return false;
}

// Reads the box that is open once its event loop runs, then presses its OK button.
void AnswerTheBox(SeenBox& seen) {
    QTimer::singleShot(0, [&seen] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box || !box->isVisible())
                continue;
            seen.found = true;
            seen.icon = box->icon();
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.buttons = static_cast<int>(box->buttons().size());
            seen.okButton = box->button(QMessageBox::Ok) != nullptr;
            seen.modality = box->windowModality();
            if (auto* label = box->findChild<QLabel*>(u"qt_msgbox_informativelabel"_qs);
                label && label->isVisible()) {
                seen.informative = label->text();
                seen.informativePainted = PaintsSomething(*label);
            }
            box->done(QMessageBox::Ok);
        }
    });
}

} // namespace

TEST(QtUserInterface, ShowsModalBoxesWithOneOkButtonAndCarriageReturnsAsLineBreaks) {
    struct Case {
        void (QtUserInterface::*show)(const QString&);
        QMessageBox::Icon icon;
        const char* title;
    };
    const Case cases[] = {
        {&QtUserInterface::ShowWarning, QMessageBox::Warning, "Aviso"},
        {&QtUserInterface::ShowError, QMessageBox::Critical, "Erro"},
        {&QtUserInterface::ShowInformation, QMessageBox::Information, "Informação"},
    };
    QtUserInterface ui;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        SeenBox seen;
        AnswerTheBox(seen);
        (ui.*c.show)(QStringLiteral("Não foi possível gravar!\rVerifique o arquivo.\r\nFim"));

        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.icon, c.icon);
        EXPECT_EQ(seen.title, QString::fromUtf8(c.title));
        EXPECT_EQ(seen.text, QStringLiteral("Não foi possível gravar!\nVerifique o arquivo.\nFim"));
        EXPECT_EQ(seen.buttons, 1);
        EXPECT_TRUE(seen.okButton);
        EXPECT_EQ(seen.modality, Qt::ApplicationModal);
    }
}

TEST(QtUserInterface, ARunsLastMessageShowsItsDetailsUnderTheTextInItsKindsBox) {
    struct Case {
        MessageKind kind;
        QMessageBox::Icon icon;
        const char* title;
    };
    const Case cases[] = {
        {MessageKind::Warning, QMessageBox::Warning, "Aviso"},
        {MessageKind::Error, QMessageBox::Critical, "Erro"},
        {MessageKind::Information, QMessageBox::Information, "Informação"},
    };
    QtUserInterface ui;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        SeenBox seen;
        AnswerTheBox(seen);
        ui.ShowOutcome(
            c.kind, u"Conversão concluída com sucesso!\rCópia de segurança: /d/x.fbk"_qs,
            u"Grupos de Produtos: 2 lidos; gravados 2 em GRUPROD\rRelatório: /d/x.json"_qs);

        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.icon, c.icon);
        EXPECT_EQ(seen.title, QString::fromUtf8(c.title));
        EXPECT_EQ(seen.text, u"Conversão concluída com sucesso!\nCópia de segurança: /d/x.fbk"_qs);
        EXPECT_EQ(seen.informative,
                  u"Grupos de Produtos: 2 lidos; gravados 2 em GRUPROD\nRelatório: /d/x.json"_qs);
        EXPECT_TRUE(seen.informativePainted);
        EXPECT_EQ(seen.buttons, 1);
        EXPECT_EQ(seen.modality, Qt::ApplicationModal);
    }

    // Without details the box is the plain one.
    SeenBox plain;
    AnswerTheBox(plain);
    ui.ShowOutcome(MessageKind::Information, u"Conversão concluída com sucesso!"_qs, {});
    ASSERT_TRUE(plain.found);
    EXPECT_EQ(plain.informative, QString());
}

TEST(QtUserInterface, AListingCanBeReadCopiedAndSavedWhole) {
    const QString listing =
        u"Verificação concluída: 1 problema em 1 tabela impediria a conversão:\n"
        u"TBGRUPO CONTROLE 2005: Código 005 repetido: TBGRUPO CONTROLE 1005 e 2005"_qs;
    QTemporaryDir folder;
    const QString saved = folder.filePath(u"lista.txt"_qs);
    QString title, shown, clipboard, defaultButton;
    bool readOnly = false, painted = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        auto* text = dialog->findChild<QPlainTextEdit*>(u"texto"_qs);
        shown = text->toPlainText();
        readOnly = text->isReadOnly();
        painted = PaintsSomething(*text->viewport());
        for (QPushButton* button : dialog->findChildren<QPushButton*>())
            if (button->isDefault())
                defaultButton = button->text();
        dialog->findChild<QPushButton*>(u"btnCopiar"_qs)->click();
        clipboard = QApplication::clipboard()->text();
        // The file dialog "Salvar..." opens is answered as an operator would.
        QTimer::singleShot(0, [&] {
            auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(files, nullptr);
            files->selectFile(saved);
            QMetaObject::invokeMethod(files, "accept", Qt::DirectConnection);
        });
        dialog->findChild<QPushButton*>(u"btnSalvar"_qs)->click();
        dialog->findChild<QPushButton*>(u"btnFechar"_qs)->click();
    });

    QtUserInterface().ShowListing(MessageKind::Error, u"Verificação"_qs, listing);

    EXPECT_EQ(title, u"Verificação"_qs);
    EXPECT_EQ(shown, listing);
    EXPECT_TRUE(readOnly);
    EXPECT_TRUE(painted);
    EXPECT_EQ(defaultButton, u"&Fechar"_qs);
    EXPECT_EQ(clipboard, listing);
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), listing + u'\n');
}

TEST(QtUserInterface, AnActionIsConfirmedOnlyByItsOwnButtonAndCancelIsTheDefault) {
    for (const bool pressAction : {true, false}) {
        SCOPED_TRACE(pressAction);
        QStringList buttons;
        QString defaultButton;
        QTimer::singleShot(0, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(widget);
                if (!box || !box->isVisible())
                    continue;
                for (const QAbstractButton* button : box->buttons())
                    buttons.append(button->text());
                buttons.sort();
                defaultButton = box->defaultButton()->text();
                for (QAbstractButton* button : box->buttons())
                    if ((button->text() == u"Converter") == pressAction)
                        button->click();
            }
        });
        QtUserInterface ui;
        EXPECT_EQ(ui.ConfirmAction(QStringLiteral("Apagar?"), QStringLiteral("Converter")),
                  pressAction);
        EXPECT_EQ(buttons, (QStringList{QStringLiteral("Cancelar"), QStringLiteral("Converter")}));
        EXPECT_EQ(defaultButton, QStringLiteral("Cancelar"));
    }
}
