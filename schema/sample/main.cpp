// vorlanda-sample-data: prints the SQL script that loads a sample legacy pharmacy into the
// five legacy tables, the same script for the same options on every machine.

#include "schema/sample/SampleData.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kUsage =
    "uso: vorlanda-sample-data [--scale S] [--seed N]\n"
    "  --scale S  tamanho da farmácia, número decimal com ponto, maior que 0 e até 10\n"
    "             (padrão 0.1: 5000 clientes, 200 fornecedores, 100 grupos, 1000 NCM,\n"
    "             5000 produtos; 1 dá 50000 clientes e 50000 produtos)\n"
    "  --seed N   semente, inteiro sem sinal (padrão 1)\n"
    "Escreve em stdout o script SQL que esvazia e preenche TBCLIENTES, TBFORNECEDOR,\n"
    "TBGRUPO, TB_CODIGO_NCM e TBESTOQUE; carregue-o com o cliente mariadb.\n";

int Fail(const std::string& message) {
    std::cerr << "vorlanda-sample-data: " << message << "\n" << kUsage;
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string scale = "0.1";
    std::string seed = "1";
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        std::string* target = arg == "--scale" ? &scale : arg == "--seed" ? &seed : nullptr;
        if (target == nullptr)
            return Fail("opção desconhecida: " + std::string(arg));
        if (i + 1 >= argc)
            return Fail("falta o valor de " + std::string(arg));
        *target = argv[++i];
    }
    const auto counts = vorlanda::sample::CountsForScale(scale);
    if (!counts)
        return Fail("escala inválida: " + scale);
    const auto seedValue = vorlanda::sample::ParseSeed(seed);
    if (!seedValue)
        return Fail("semente inválida: " + seed);

    std::ios::sync_with_stdio(false);
    vorlanda::sample::SampleData(*counts, *seedValue).Write(std::cout);
    std::cout.flush();
    return std::cout ? 0 : 1;
}
