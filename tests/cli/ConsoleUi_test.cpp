#include "ui/ConsoleUi.h"

#include "support/ExpectError.h"
#include "ui/Interruption.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <string>

using namespace vorlanda;
using namespace std::chrono_literals;

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// A stream the console writes into, read back as bytes.
class Capture {
public:
    Capture() : file_(std::tmpfile()) {
        if (!file_)
            throw std::runtime_error("tmpfile");
    }
    std::FILE* Stream() const { return file_.get(); }
    std::string Text() const {
        std::fflush(file_.get());
        std::string text;
        std::rewind(file_.get());
        char buffer[4096];
        while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, file_.get()))
            text.append(buffer, n);
        return text;
    }

private:
    File file_;
};

} // namespace

TEST(ConsoleUserInterface, RewritesOneProgressLineAndClearsItBeforeAMessage) {
    Capture out;
    Capture err;
    {
        ConsoleUserInterface console(out.Stream(), err.Stream(), true, 0ms);
        console.Barra().SetProgress(0);
        console.Barra().SetMaxValue(3); // no text yet: nothing to show
        console.LblInfo().SetCaption(u"Registro 1 de 3"_qs);
        console.ProcessPendingEvents();
        console.Barra().SetProgress(1);
        console.Barra().SetProgress(1); // unchanged: no redraw
        console.LblInfo().SetCaption(u"Registro 10 de 3"_qs);
        console.LblInfo().SetCaption(u"Reg 3 de 3"_qs); // shorter: the rest is blanked
        console.Barra().SetProgress(3);
        console.ShowInformation(u"Conversão\rconcluída!"_qs);
        console.ShowWarning(u"Erro ao converter Família. Motivo: \r\nsem código "_qs);
        console.LblInfo().SetCaption(u"Ação"_qs);
    }
    EXPECT_EQ(out.Text(), "\rRegistro 1 de 3 0%"
                          "\rRegistro 1 de 3 33%"
                          "\rRegistro 10 de 3 33%"
                          "\rReg 3 de 3 33%      "
                          "\rReg 3 de 3 100%"
                          "\r               \r"
                          "Conversão\nconcluída!\n"
                          "\rAção 100%"
                          "\r         \r");
    EXPECT_EQ(err.Text(), "Erro ao converter Família. Motivo: \nsem código \n");
}

TEST(ConsoleUserInterface, ATextChangeAloneWaitsForTheIntervalAPercentageChangeDoesNot) {
    Capture out;
    Capture err;
    ConsoleUserInterface console(out.Stream(), err.Stream(), true, 1h);
    console.Barra().SetMaxValue(200);
    console.LblInfo().SetCaption(u"Registro 1 de 200"_qs);
    console.Barra().SetProgress(1);
    console.LblInfo().SetCaption(u"Registro 2 de 200"_qs);
    console.Barra().SetProgress(2);
    console.LblInfo().SetCaption(u"Registro 3 de 200"_qs);
    EXPECT_EQ(out.Text(), "\rRegistro 1 de 200 0%"
                          "\rRegistro 2 de 200 1%");
}

TEST(ConsoleUserInterface, WithoutProgressOnlyMessagesAreWrittenAndTheValuesAreKept) {
    Capture out;
    Capture err;
    {
        ConsoleUserInterface console(out.Stream(), err.Stream(), false, 0ms);
        console.Barra().SetMaxValue(12);
        console.Barra().SetProgress(5);
        console.LblInfo().SetCaption(u"Registro 6 de 12"_qs);
        EXPECT_EQ(console.Barra().MaxValue(), 12);
        EXPECT_EQ(console.Barra().Progress(), 5);
        EXPECT_EQ(console.LblInfo().Caption(), u"Registro 6 de 12"_qs);
        console.ShowError(u"Ocorreu um erro durante a conversão! Motivo: x"_qs);
        console.ShowInformation(u"Conversão concluída com sucesso!"_qs);
    }
    EXPECT_EQ(out.Text(), "Conversão concluída com sucesso!\n");
    EXPECT_EQ(err.Text(), "Ocorreu um erro durante a conversão! Motivo: x\n");
}

TEST(ConsoleUserInterface, AnInterruptionAskedForEndsTheRunAtItsNextPendingEvents) {
    Capture out;
    Capture err;
    ConsoleUserInterface console(out.Stream(), err.Stream(), false, 0ms);
    EXPECT_NO_THROW(console.ProcessPendingEvents());
    RequestInterruption(u"Conversão interrompida pelo operador (sinal recebido)");
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        ExpectErrorMessage([&] { console.ProcessPendingEvents(); },
                           u"Conversão interrompida pelo operador (sinal recebido)"_qs);
    }
    ClearInterruption();
    EXPECT_NO_THROW(console.ProcessPendingEvents());
    // The run's error goes to the user through the controller, not from here.
    EXPECT_EQ(out.Text(), "");
    EXPECT_EQ(err.Text(), "");
}
