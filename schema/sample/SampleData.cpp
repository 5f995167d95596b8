#include "schema/sample/SampleData.h"

#include <algorithm>
#include <numeric>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <tuple>

namespace vorlanda::sample {

namespace {

// ---------------------------------------------------------------------------------------------
// Randomness. splitmix64 written out here: the standard distributions may give other numbers
// with another library version, and the script must be the same everywhere.

constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ULL;

std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// Streams of one seed, kept apart so that a choice made for one purpose never shifts another.
enum class Stream : std::uint64_t {
    Client = 1,
    Supplier,
    Group,
    FiscalCode,
    FiscalDuplicate,
    Product,
};

class Rng {
public:
    Rng(std::uint64_t seed, Stream stream, std::int64_t index)
        : state_(Mix(Mix(seed + kGolden * static_cast<std::uint64_t>(stream)) +
                     static_cast<std::uint64_t>(index))) {}

    std::uint64_t Next() {
        state_ += kGolden;
        return Mix(state_);
    }
    // 0 to n - 1 (n > 0).
    int Below(int n) {
        return static_cast<int>(((Next() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
    }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    bool Percent(int p) { return Below(100) < p; }
    template <class T, std::size_t N> const T& Pick(const T (&pool)[N]) {
        return pool[Below(static_cast<int>(N))];
    }

private:
    std::uint64_t state_;
};

// ---------------------------------------------------------------------------------------------
// Text. Everything is UTF-8 within Latin-1, which the legacy latin1 columns and the target's
// WIN1252 both hold; accented letters are the two-byte sequences C3 80 to C3 BF.

std::string Upper(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'a' && c <= 'z')
            out[i] = static_cast<char>(c - 32);
        else if (c == 0xC3 && i + 1 < out.size()) {
            auto d = static_cast<unsigned char>(out[i + 1]);
            if (d >= 0xA0 && d <= 0xBE && d != 0xB7) // à to þ, not ÷
                out[i + 1] = static_cast<char>(d - 0x20);
            ++i;
        }
    }
    return out;
}

std::string Lower(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'A' && c <= 'Z')
            out[i] = static_cast<char>(c + 32);
        else if (c == 0xC3 && i + 1 < out.size()) {
            auto d = static_cast<unsigned char>(out[i + 1]);
            if (d >= 0x80 && d <= 0x9E && d != 0x97) // À to Þ, not ×
                out[i + 1] = static_cast<char>(d + 0x20);
            ++i;
        }
    }
    return out;
}

// The letters as an old keyboard without dead keys typed them.
std::string WithoutAccents(std::string_view text) {
    // Base letters of U+00C0 to U+00FF.
    static constexpr std::string_view kBase = "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYTs"
                                              "aaaaaaaceeeeiiiidnooooo/ouuuuyty";
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        if (c == 0xC3 && i + 1 < text.size()) {
            auto d = static_cast<unsigned char>(text[i + 1]);
            out += kBase[d - 0x80];
            ++i;
        } else
            out += static_cast<char>(c);
    }
    return out;
}

// The first n characters (not bytes) of the text.
std::string_view FirstChars(std::string_view text, std::size_t n) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (chars == n)
                return text.substr(0, i);
            ++chars;
        }
    }
    return text;
}

void AppendNumber(std::string& out, std::int64_t value, int width = 0) {
    char digits[24];
    int n = 0;
    const bool negative = value < 0;
    std::uint64_t v = negative ? 0 - static_cast<std::uint64_t>(value) : value;
    do {
        digits[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    if (negative)
        out += '-';
    for (int i = n; i < width; ++i)
        out += '0';
    while (n > 0)
        out += digits[--n];
}

std::string Number(std::int64_t value, int width = 0) {
    std::string out;
    AppendNumber(out, value, width);
    return out;
}

// Hundredths as "12.50", with the given separator; "12" when short and whole, "12,5" when
// short and the last digit is 0.
std::string Money(std::int64_t cents, char separator = '.', bool shortForm = false) {
    std::string out = Number(cents / 100);
    const auto fraction = static_cast<int>(cents % 100);
    if (shortForm && fraction == 0)
        return out;
    out += separator;
    if (shortForm && fraction % 10 == 0)
        AppendNumber(out, fraction / 10);
    else
        AppendNumber(out, fraction, 2);
    return out;
}

// Thousandths as a DECIMAL(12,3) literal.
std::string Quantity(std::int64_t thousandths) {
    std::string out = Number(thousandths / 1000);
    out += '.';
    AppendNumber(out, thousandths % 1000, 3);
    return out;
}

std::string Digits(Rng& rng, int count) {
    std::string out;
    for (int i = 0; i < count; ++i)
        out += static_cast<char>('0' + rng.Below(10));
    return out;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

std::string Date(Rng& rng, int firstYear, int lastYear) {
    const int year = rng.Between(firstYear, lastYear);
    const int month = rng.Between(1, 12);
    const int day = rng.Between(1, DaysInMonth(year, month));
    std::string out = Number(year, 4);
    out += '-';
    AppendNumber(out, month, 2);
    out += '-';
    AppendNumber(out, day, 2);
    return out;
}

// ---------------------------------------------------------------------------------------------
// Brazilian documents, with valid check digits as the old system demanded.

std::string Cpf(Rng& rng) {
    std::string d = Digits(rng, 9);
    if (std::all_of(d.begin(), d.end(), [&](char c) { return c == d[0]; }))
        d[8] = static_cast<char>('0' + (d[8] - '0' + 1) % 10);
    for (int length = 9; length <= 10; ++length) {
        int sum = 0;
        for (int i = 0; i < length; ++i)
            sum += (d[i] - '0') * (length + 1 - i);
        const int rest = sum % 11;
        d += static_cast<char>('0' + (rest < 2 ? 0 : 11 - rest));
    }
    return d;
}

std::string Cnpj(Rng& rng) {
    std::string d = Digits(rng, 8) + "0001";
    static constexpr int kWeights[] = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    for (int length = 12; length <= 13; ++length) {
        int sum = 0;
        for (int i = 0; i < length; ++i)
            sum += (d[i] - '0') * kWeights[i + 13 - length];
        const int rest = sum % 11;
        d += static_cast<char>('0' + (rest < 2 ? 0 : 11 - rest));
    }
    return d;
}

std::string CpfMasked(const std::string& d) {
    return d.substr(0, 3) + '.' + d.substr(3, 3) + '.' + d.substr(6, 3) + '-' + d.substr(9, 2);
}

std::string CnpjMasked(const std::string& d) {
    return d.substr(0, 2) + '.' + d.substr(2, 3) + '.' + d.substr(5, 3) + '/' + d.substr(8, 4) +
           '-' + d.substr(12, 2);
}

std::string Ean13(Rng& rng) {
    std::string d = "789" + Digits(rng, 9);
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (d[i] - '0') * (i % 2 == 0 ? 1 : 3);
    d += static_cast<char>('0' + (10 - sum % 10) % 10);
    return d;
}

// ---------------------------------------------------------------------------------------------
// Invented people, places and goods.

constexpr const char* kWomen[] = {
    "Maria",     "Ana",     "Francisca", "Márcia",  "Raimunda", "Cláudia",   "Lúcia",
    "Conceição", "Vânia",   "Inês",      "Zuleica", "Efigênia", "Valdirene", "Aparecida",
    "Glória",    "Letícia", "Thaís",     "Érica",   "Iara",     "Jéssica",   "Kátia",
    "Mônica",    "Natália", "Patrícia",  "Tânia",   "Valéria",  "Yasmin",    "Zélia",
    "Bárbara",   "Denise",  "Fernanda",  "Helena",  "Lívia",    "Nívea",     "Priscila",
    "Quitéria",  "Simone",  "Rosângela", "Irene",   "Noêmia",   "Juraci",    "Cleusa"};

constexpr const char* kMen[] = {
    "José",     "João",       "Antônio",  "Luís",   "Sebastião", "Fábio",     "Rogério",
    "Geraldo",  "Wellington", "Benedito", "Júlio",  "Otávio",    "Célio",     "Renê",
    "Sérgio",   "Wagner",     "Adão",     "Cássio", "Edson",     "Gustavo",   "Igor",
    "Joaquim",  "Matheus",    "Osvaldo",  "Rafael", "Tiago",     "Ubirajara", "Vicente",
    "Expedito", "Raimundo",   "Aílton",   "Ênio",   "Jurandir",  "Hélio"};

constexpr const char* kSurnames[] = {
    "Silva",       "Santos",     "Oliveira",  "Souza",    "Pereira",    "Costa",      "Rodrigues",
    "Almeida",     "Nascimento", "Lima",      "Araújo",   "Fernandes",  "Carvalho",   "Gomes",
    "Martins",     "Rocha",      "Ribeiro",   "Alves",    "Monteiro",   "Mendes",     "Barros",
    "Freitas",     "Barbosa",    "Pinto",     "Moura",    "Cavalcanti", "Dias",       "Castro",
    "Campos",      "Cardoso",    "Conceição", "Assunção", "Gonçalves",  "Magalhães",  "Brandão",
    "Simões",      "Guimarães",  "Falcão",    "D'Ávila",  "Sant'Anna",  "D'Oliveira", "Junqueira",
    "Vasconcelos", "Teixeira",   "Moreira",   "Andrade",  "Quintão",    "Resende",    "Lacerda",
    "Amaral",      "Coelho",     "Queiroz",   "Paixão",   "Melo",       "Toledo",     "Xavier",
    "Bittencourt", "Peçanha",    "Leão",      "D'Angelo", "Estêvão",    "Românio",    "Fontoura"};

struct City {
    const char* name;
    const char* state;
    int weight;   // per thousand
    int cepFirst; // first five digits of its postal codes
    int cepSpan;  // how many five-digit prefixes it spans
    int areaCode;
};

constexpr City kCities[] = {
    {"Belo Horizonte", "MG", 330, 30110, 1800, 31},
    {"Contagem", "MG", 80, 32000, 380, 31},
    {"Betim", "MG", 50, 32500, 450, 31},
    {"Nova Lima", "MG", 30, 34000, 200, 31},
    {"Sabará", "MG", 20, 34500, 100, 31},
    {"Santa Luzia", "MG", 30, 33000, 190, 31},
    {"Ribeirão das Neves", "MG", 30, 33800, 200, 31},
    {"Vespasiano", "MG", 20, 33200, 30, 31},
    {"Lagoa Santa", "MG", 20, 33230, 70, 31},
    {"Sete Lagoas", "MG", 20, 35700, 10, 31},
    {"Ouro Preto", "MG", 10, 35400, 10, 31},
    {"Itabirito", "MG", 10, 35450, 10, 31},
    {"Divinópolis", "MG", 20, 35500, 10, 37},
    {"Juiz de Fora", "MG", 20, 36000, 100, 32},
    {"Uberlândia", "MG", 20, 38400, 20, 34},
    {"Montes Claros", "MG", 10, 39400, 10, 38},
    {"Ipatinga", "MG", 10, 35160, 10, 31},
    {"Governador Valadares", "MG", 10, 35010, 50, 33},
    {"Conselheiro Lafaiete", "MG", 10, 36400, 10, 31},
    {"Pará de Minas", "MG", 10, 35660, 5, 37},
    {"Pouso Alegre", "MG", 10, 37550, 5, 35},
    {"Varginha", "MG", 10, 37000, 20, 35},
    {"Olhos-d'Água", "MG", 10, 39398, 1, 38},
    {"Pingo-d'Água", "MG", 10, 35240, 1, 33},
    {"São João del-Rei", "MG", 10, 36300, 10, 32},
    {"Três Corações", "MG", 10, 37410, 5, 35},
    {"São Paulo", "SP", 30, 1000, 8000, 11},
    {"Campinas", "SP", 10, 13000, 100, 19},
    {"Santa Bárbara d'Oeste", "SP", 10, 13450, 10, 19},
    {"Rio de Janeiro", "RJ", 20, 20000, 3800, 21},
    {"Niterói", "RJ", 10, 24000, 400, 21},
    {"Vitória", "ES", 10, 29000, 100, 27},
    {"Salvador", "BA", 10, 40000, 900, 71},
    {"Dias d'Ávila", "BA", 10, 42850, 1, 71},
    {"Goiânia", "GO", 10, 74000, 900, 62},
    {"Brasília", "DF", 10, 70000, 2000, 61},
};

const City& PickCity(Rng& rng) {
    int total = 0;
    for (const City& city : kCities)
        total += city.weight;
    int draw = rng.Below(total);
    for (const City& city : kCities) {
        if (draw < city.weight)
            return city;
        draw -= city.weight;
    }
    return kCities[0];
}

// The city as typed at the counter over twenty years: in its own spelling, in capitals, with
// the accents left out, with stray blanks, or Belo Horizonte's old abbreviation.
std::string CityAsTyped(Rng& rng, const City& city) {
    const bool capital = std::string_view(city.name) == "Belo Horizonte";
    const int draw = rng.Below(100);
    if (capital && draw < 7)
        return "BHTE";
    if (capital && draw < 9)
        return "B. Horizonte";
    if (draw < 55)
        return city.name;
    if (draw < 80)
        return Upper(city.name);
    if (draw < 86)
        return Lower(city.name);
    if (draw < 94)
        return Upper(WithoutAccents(city.name));
    return std::string(" ") + city.name + (draw % 2 == 0 ? " " : "");
}

constexpr const char* kNeighbourhoods[] = {"Centro",
                                           "Savassi",
                                           "Funcionários",
                                           "Lourdes",
                                           "Santa Efigênia",
                                           "Floresta",
                                           "Sagrada Família",
                                           "Pampulha",
                                           "Barreiro",
                                           "Venda Nova",
                                           "Padre Eustáquio",
                                           "Carlos Prates",
                                           "Coração Eucarístico",
                                           "Buritis",
                                           "Cidade Nova",
                                           "Eldorado",
                                           "Industrial",
                                           "Jardim Canadá",
                                           "Santa Tereza",
                                           "São Bento",
                                           "Caiçara",
                                           "Gutierrez",
                                           "Nova Suíça",
                                           "Prado",
                                           "Jardim América",
                                           "Glória",
                                           "Vila Pinho",
                                           "Céu Azul",
                                           "Santa Mônica",
                                           "Betânia",
                                           "Conjunto Habitacional Vale do Jatobá",
                                           "Vila Olhos d'Água",
                                           "Jardim Laguna",
                                           "Parque Riacho das Pedras",
                                           "Nacional",
                                           "Petrolândia",
                                           "Alvorada",
                                           "Bairro das Indústrias",
                                           "Morro Alto",
                                           "Nossa Senhora de Fátima"};

constexpr const char* kStreetKinds[] = {"Rua", "Rua",      "Rua",     "R.",    "Avenida", "Av.",
                                        "Av",  "Travessa", "Alameda", "Praça", "Rodovia", "RUA"};

constexpr const char* kStreetNames[] = {"das Acácias",
                                        "dos Inconfidentes",
                                        "Sete de Setembro",
                                        "Quinze de Novembro",
                                        "da Bahia",
                                        "Rio de Janeiro",
                                        "Pernambuco",
                                        "dos Guajajaras",
                                        "São Paulo",
                                        "do Contorno",
                                        "Amazonas",
                                        "dos Andradas",
                                        "Itapecerica",
                                        "Olhos d'Água",
                                        "dos Timbiras",
                                        "Espírito Santo",
                                        "Paraíba",
                                        "dos Carijós",
                                        "Tupis",
                                        "Goitacazes",
                                        "Curitiba",
                                        "Juiz de Fora",
                                        "Platina",
                                        "Ouro Preto",
                                        "Pouso Alegre",
                                        "dos Ipês",
                                        "das Palmeiras",
                                        "Santa Rita",
                                        "São José",
                                        "Nossa Senhora de Fátima",
                                        "Bom Jesus",
                                        "Caetés",
                                        "Tamoios",
                                        "Aimorés",
                                        "do Rosário",
                                        "da Conceição",
                                        "Pau-d'Arco",
                                        "Maranhão",
                                        "Grão-Pará",
                                        "Jacuí",
                                        "Flor de Maio",
                                        "Sabiás",
                                        "Beija-Flor",
                                        "dos Jequitibás"};

std::string Street(Rng& rng) {
    std::string out = rng.Pick(kStreetKinds);
    out += ' ';
    if (rng.Percent(1))
        out += "\"Doze\"";
    else
        out += rng.Pick(kStreetNames);
    const int number = rng.Between(1, 3200);
    switch (rng.Below(10)) {
    case 0:
        out += " " + Number(number);
        break;
    case 1:
        out +=
            ", " + Number(number) + " apto " + Number(rng.Between(1, 12) * 100 + rng.Between(1, 4));
        break;
    case 2:
        out += ", s/n";
        break;
    case 3:
        out += " nº " + Number(number);
        break;
    case 4:
        out += ", " + Number(number) + " - fundos";
        break;
    case 5:
        out += ", " + Number(number) + " - Bloco " + static_cast<char>('A' + rng.Below(4)) +
               " apt " + Number(rng.Between(101, 404));
        break;
    case 6:
        out += "," + Number(number);
        break;
    default:
        out += ", " + Number(number);
        break;
    }
    return out;
}

enum class Gender { Any, Woman, Man };

std::string FirstName(Rng& rng, Gender gender) {
    if (gender == Gender::Any)
        gender = rng.Percent(55) ? Gender::Woman : Gender::Man;
    return gender == Gender::Woman ? rng.Pick(kWomen) : rng.Pick(kMen);
}

std::string PersonName(Rng& rng, Gender gender = Gender::Any) {
    if (gender == Gender::Any)
        gender = rng.Percent(55) ? Gender::Woman : Gender::Man;
    std::string out = FirstName(rng, gender);
    if (rng.Percent(30))
        out += ' ' + FirstName(rng, gender);
    if (rng.Percent(15))
        out += rng.Percent(50) ? " de" : " da";
    out += ' ';
    out += rng.Pick(kSurnames);
    if (rng.Percent(60)) {
        out += ' ';
        out += rng.Pick(kSurnames);
    }
    return out;
}

// A name as typed: mostly as spoken, sometimes in capitals or lower case, sometimes with the
// blanks the old screens let through.
std::string AsTyped(Rng& rng, std::string text) {
    const int draw = rng.Below(100);
    if (draw < 22)
        return Upper(text);
    if (draw < 26)
        return Lower(text);
    if (draw < 29)
        return " " + text;
    if (draw < 32)
        return text + "  ";
    return text;
}

constexpr const char* kPlaceNames[] = {
    "Serra Azul",  "Vale Verde",  "Mantiqueira",    "Jequitibá",       "Itacolomi",
    "Paraopeba",   "Três Marias", "Sol Nascente",   "Boa Esperança",   "São Lucas",
    "Santa Clara", "D'Ávila",     "Ipê Amarelo",    "Curral d'El Rei", "Horizonte",
    "Contorno",    "Gameleira",   "Pampulha",       "Caeté",           "Aroeira",
    "Buriti",      "Cerrado",     "Alvorada",       "Nova Aliança",    "Pau-Brasil",
    "Primavera",   "Cruzeiro",    "Rio das Velhas", "Piedade",         "Mangabeiras"};

constexpr const char* kSupplierKinds[] = {"Distribuidora de Medicamentos",
                                          "Distribuidora Farmacêutica",
                                          "Comercial",
                                          "Atacado Farmacêutico",
                                          "Drogaria",
                                          "Dental",
                                          "Hospitalar",
                                          "Perfumaria",
                                          "Laboratório",
                                          "Distrib. de Cosméticos",
                                          "Produtos Naturais",
                                          "Representações"};

constexpr const char* kCompanySuffixes[] = {"Ltda", "LTDA.",  "Ltda.", "S/A",        "S.A.",
                                            "ME",   "EIRELI", "EPP",   "& Cia Ltda", ""};

std::string CompanyName(Rng& rng, const char* const* kinds, int kindCount, std::string_view place) {
    std::string out = kinds[rng.Below(kindCount)];
    out += ' ';
    out += place;
    const std::string suffix = rng.Pick(kCompanySuffixes);
    if (!suffix.empty())
        out += ' ' + suffix;
    return out;
}

constexpr const char* kClientCompanyKinds[] = {
    "Drogaria",  "Farmácia",        "Clínica",         "Consultório Odontológico",
    "Asilo",     "Casa de Repouso", "Escola Infantil", "Academia",
    "Mercearia", "Salão de Beleza", "Pet Shop",        "Associação Comunitária"};

constexpr const char* kWorkplaces[] = {"Prefeitura Municipal",
                                       "Aposentado(a)",
                                       "Autônomo",
                                       "Do lar",
                                       "Hospital Santa Clara",
                                       "Escola Estadual Rio Branco",
                                       "Construtora Serra Azul Ltda",
                                       "Supermercado Bom Preço",
                                       "Posto de Saúde",
                                       "Metalúrgica Gameleira S/A",
                                       "Comércio",
                                       "Transportadora Caeté Ltda",
                                       "Secretaria de Estado da Saúde de Minas Gerais - SES/MG",
                                       "Padaria Pão d'Ouro"};

constexpr const char* kMaritalStatus[] = {"Casado",      "CASADA", "Solteiro(a)", "solteira",
                                          "Viúvo",       "VIÚVA",  "Divorciada",  "União estável",
                                          "Separado(a)", "S",      "C",           "Desquitada"};

constexpr const char* kClientNotes[] = {
    "Cliente antigo, pagamento em dia.",
    "Não vender fiado!",
    "Aposentado - desconto de 10% em genéricos",
    "Cobrar na próxima compra",
    "Convênio da prefeitura",
    "Entregar após as 18h",
    "Prefere contato por telefone",
    "Alérgico a dipirona",
    "Só compra com receita; conferir CRM do médico",
    "Cliente cadastrado na loja do centro; autorizou compras pela filha. Limite revisto em "
    "março; verificar cheques devolvidos antes de liberar o crediário.",
    "Atenção:\r\nreceitas controladas só com o titular",
    "Devolveu cheque em 2009\r\nSó à vista"};

constexpr const char* kSupplierNotes[] = {
    "Pedido mínimo R$ 300,00",
    "Entrega às terças e quintas",
    "Prazo 28/35/42 dias",
    "Boleto bancário; não aceita cheque",
    "Não atende mais a região",
    "Frete CIF acima de R$ 500,00. Pedidos até 14h saem no mesmo dia; reclamações pelo "
    "0800 ou com o representante da região metropolitana.",
    "Linha de genéricos e similares",
    "Contato do vendedor:\r\nfalar com o setor de compras"};

constexpr const char* kReferences[] = {"Vizinha da farmácia",     "Trabalha no posto de saúde",
                                       "Indicação do Dr. Célio",  "Mãe do cliente 1520",
                                       "Cliente da loja 2",       "Conhecido do balconista",
                                       "Mora em frente à igreja", "Parente do proprietário"};

// Laboratories make medicines; the others make what a pharmacy sells besides.
constexpr const char* kLaboratories[] = {
    "Laboratório Serra Azul", "Vale Verde Farmacêutica",
    "Quimifar do Cerrado",    "Lab. Aurora Mineira",
    "Pharmabrás Itacolomi",   "Indústria Farmacêutica Jequitibá",
    "Laboratório D'Ângelo",   "Biofórmula Paraopeba",
    "Mantiqueira Farma",      "Solaris Genéricos",
    "Terra Roxa Química",     "Laboratório São Lucas do Sul",
    "Caparaó Pharma",         "Farmanova Gameleira",
    "Lab. Piedade",           "Indústria Química e Farmacêutica Rio das Velhas"};

constexpr const char* kMakers[] = {"Cosméticos Flor de Ipê",       "Higiene Total Ltda",
                                   "Nativa Dermocosméticos",       "Gotas d'Orvalho Naturais",
                                   "Sorriso Branco Higiene Bucal", "Bebê Feliz Produtos Infantis",
                                   "Ortomédica Horizonte",         "Cirúrgica Três Marias",
                                   "Laboratório Serra Azul",       "Algodoeira Paraopeba"};

// A manufacturer as each clerk spelled it: the same laboratory under a few names.
std::string ManufacturerAsTyped(Rng& rng, bool medicine) {
    const std::string name = medicine ? rng.Pick(kLaboratories) : rng.Pick(kMakers);
    const int draw = rng.Below(100);
    if (draw < 60)
        return name;
    if (draw < 80)
        return Upper(name);
    if (draw < 88)
        return Upper(WithoutAccents(name));
    if (draw < 94)
        return name + " ";
    if (name.rfind("Laboratório ", 0) == 0)
        return "Lab. " + name.substr(std::string_view("Laboratório ").size());
    return Lower(name);
}

// Forms a medicine comes in.
enum PackKind : unsigned { Tablets = 1, Capsules = 2, Liquid = 4, Topical = 8, Injectable = 16 };

struct Pack {
    const char* text;
    PackKind kind;
};

constexpr Pack kPacks[] = {
    {"c/ 10 comp.", Tablets},        {"c/ 20 comprimidos", Tablets},
    {"c/ 30 comp rev", Tablets},     {"c/ 60 comprimidos revestidos", Tablets},
    {"c/ 14 cáps", Capsules},        {"c/ 28 cápsulas", Capsules},
    {"gotas 20ml", Liquid},          {"sol. oral 100ml", Liquid},
    {"xarope 120ml", Liquid},        {"susp. 60ml", Liquid},
    {"creme 30g", Topical},          {"pomada 20g", Topical},
    {"cx c/ 5 amp 2ml", Injectable}, {"injetável 3ml", Injectable}};

const char* UnitOf(Rng& rng, PackKind kind) {
    static constexpr const char* kBoxes[] = {"CX", "CX", "CX", "UN", "CP", "cx"};
    static constexpr const char* kBottles[] = {"FR", "FR", "UN", "fr", "FRASCO"};
    static constexpr const char* kTubes[] = {"TB", "TB", "BISNAGA", "UN"};
    static constexpr const char* kAmpoules[] = {"AMP", "CX", "UN"};
    switch (kind) {
    case Liquid:
        return rng.Pick(kBottles);
    case Topical:
        return rng.Pick(kTubes);
    case Injectable:
        return rng.Pick(kAmpoules);
    default:
        return rng.Pick(kBoxes);
    }
}

struct Medicine {
    const char* ingredient;
    const char* strength;
    unsigned packs; // PackKind bits
    const char* group;
    const char* use;
};

constexpr const char* kPrescription = "Venda sob prescrição médica";
constexpr const char* kAntibiotic =
    "Antibiótico - venda sob prescrição médica, retenção da receita";
constexpr const char* kControlled = "Controle especial - Portaria 344/98, retenção da receita";

constexpr Medicine kMedicines[] = {
    {"Dipirona Sódica", "500mg", Tablets | Liquid | Injectable, "Analgésicos",
     "Analgésico e antitérmico"},
    {"Paracetamol", "750mg", Tablets | Liquid, "Analgésicos", "Analgésico e antitérmico"},
    {"Ibuprofeno", "600mg", Tablets | Liquid, "Anti-inflamatórios", "Anti-inflamatório"},
    {"Amoxicilina", "500mg", Capsules | Liquid, "Antibióticos", kAntibiotic},
    {"Losartana Potássica", "50mg", Tablets, "Anti-hipertensivos", kPrescription},
    {"Omeprazol", "20mg", Capsules, "Antiácidos", "Uso adulto"},
    {"Cloridrato de Metformina", "850mg", Tablets, "Antidiabéticos", kPrescription},
    {"Sinvastatina", "20mg", Tablets, "Cardiológicos", kPrescription},
    {"Hidroclorotiazida", "25mg", Tablets, "Anti-hipertensivos", kPrescription},
    {"Captopril", "25mg", Tablets, "Anti-hipertensivos", kPrescription},
    {"Atenolol", "50mg", Tablets, "Cardiológicos", kPrescription},
    {"Azitromicina", "500mg", Tablets | Liquid, "Antibióticos", kAntibiotic},
    {"Cefalexina", "500mg", Capsules | Liquid, "Antibióticos", kAntibiotic},
    {"Dexametasona", "4mg", Tablets | Topical | Injectable, "Anti-inflamatórios", kPrescription},
    {"Prednisona", "20mg", Tablets, "Anti-inflamatórios", kPrescription},
    {"Loratadina", "10mg", Tablets | Liquid, "Antialérgicos", "Antialérgico"},
    {"Nimesulida", "100mg", Tablets | Liquid, "Anti-inflamatórios", "Anti-inflamatório"},
    {"Diclofenaco Sódico", "50mg", Tablets | Topical | Injectable, "Anti-inflamatórios",
     "Anti-inflamatório"},
    {"Ácido Acetilsalicílico", "100mg", Tablets, "Cardiológicos", "Uso adulto"},
    {"Fluoxetina", "20mg", Capsules, "Psicotrópicos", kControlled},
    {"Clonazepam", "2mg", Tablets | Liquid, "Controlados (Portaria 344)", kControlled},
    {"Sertralina", "50mg", Tablets, "Psicotrópicos", kControlled},
    {"Enalapril", "10mg", Tablets, "Anti-hipertensivos", kPrescription},
    {"Anlodipino", "5mg", Tablets, "Anti-hipertensivos", kPrescription},
    {"Glibenclamida", "5mg", Tablets, "Antidiabéticos", kPrescription},
    {"Levotiroxina Sódica", "50mcg", Tablets, "Hormônios", kPrescription},
    {"Ranitidina", "150mg", Tablets | Liquid, "Antiácidos", "Uso adulto e pediátrico"},
    {"Metronidazol", "400mg", Tablets | Topical, "Antibióticos", kAntibiotic},
    {"Albendazol", "400mg", Tablets | Liquid, "Medicamentos", "Vermífugo"},
    {"Sulfato Ferroso", "40mg", Tablets | Liquid, "Vitaminas e Suplementos",
     "Uso adulto e pediátrico"},
    {"Amoxicilina + Clavulanato de Potássio", "875mg + 125mg", Tablets | Liquid, "Antibióticos",
     kAntibiotic},
    {"Escopolamina + Dipirona", "10mg + 250mg", Tablets | Liquid | Injectable, "Analgésicos",
     "Antiespasmódico e analgésico"}};

struct Good {
    const char* description;
    const char* unit;
    const char* group;
    const char* ncmHeading;
    const char* use;
};

constexpr Good kGoods[] = {
    {"Shampoo Anticaspa 200ml", "FR", "Cabelos", "3305", "Uso externo"},
    {"Condicionador Hidratação 300ml", "FR", "Cabelos", "3305", "Uso externo"},
    {"Sabonete Líquido Erva-Doce 250ml", "FR", "Sabonetes", "3401", "Higiene pessoal"},
    {"Sabonete em Barra Glicerina 90g", "UN", "Sabonetes", "3401", "Higiene pessoal"},
    {"Creme Dental Menta 90g", "TB", "Higiene Bucal", "3306", "Higiene bucal"},
    {"Escova Dental Macia", "UN", "Higiene Bucal", "9603", "Higiene bucal"},
    {"Fio Dental 50m", "UN", "Higiene Bucal", "3306", "Higiene bucal"},
    {"Enxaguante Bucal s/ Álcool 500ml", "FR", "Higiene Bucal", "3306", "Higiene bucal"},
    {"Fralda Infantil G c/ 30", "PCT", "Fraldas", "9619", "Higiene infantil"},
    {"Fralda Geriátrica M c/ 8", "PCT", "Geriatria", "9619", "Higiene pessoal"},
    {"Protetor Solar FPS 50 120ml", "FR", "Protetor Solar", "3304", "Uso externo"},
    {"Álcool em Gel 70% 500ml", "FR", "Higiene Pessoal", "3808", "Uso externo. Inflamável."},
    {"Desodorante Aerosol 150ml", "UN", "Desodorantes", "3307", "Uso externo"},
    {"Algodão Hidrófilo 50g", "PCT", "Primeiros Socorros", "5601", "Uso externo"},
    {"Curativo Adesivo c/ 35", "CX", "Curativos", "3005", "Uso externo"},
    {"Gaze Estéril 7,5cm x 7,5cm c/ 10", "PCT", "Curativos", "3005", "Uso externo"},
    {"Termômetro Digital", "UN", "Termômetros", "9025", ""},
    {"Seringa Descartável 5ml", "UN", "Material Hospitalar", "9018", "Uso único"},
    {"Luva de Procedimento M c/ 100", "CX", "Material Hospitalar", "4015", "Uso único"},
    {"Preservativo Lubrificado c/ 3", "CX", "Preservativos", "4014", ""},
    {"Repelente Loção 100ml", "FR", "Repelentes", "3808",
     "Uso externo. Manter fora do alcance de crianças."},
    {"Colônia Infantil Pingo d'Água 100ml", "FR", "Infantil", "3303", "Uso externo"},
    {"Óleo de Amêndoas D'Ouro 100ml", "FR", "Linha D'Ouro", "3304", "Uso externo"},
    {"Hidratante Corporal Pele Seca 400ml", "FR", "Dermocosméticos", "3304", "Uso externo"},
    {"Esmalte Cremoso Vermelho 8ml", "UN", "Esmaltes", "3304", ""},
    {"Lenço Umedecido \"Bebê\" c/ 50", "PCT", "Mamães e Bebês", "3401", "Higiene infantil"},
    {"Chá de Camomila c/ 15 sachês", "CX", "Chás", "0902", ""},
    {"Adoçante Líquido 100ml", "FR", "Alimentos Diet e Light", "2106", ""},
    {"Vitamina C Efervescente 1g c/ 10", "TB", "Vitaminas e Suplementos", "2936",
     "Suplemento vitamínico"},
    {"Polivitamínico A-Z c/ 60 comprimidos", "FR", "Vitaminas e Suplementos", "2106",
     "Suplemento vitamínico"},
    {"Aparelho de Pressão Digital de Pulso", "UN", "Aparelhos de Pressão", "9018", ""},
    {"Bolsa Térmica Gel", "UN", "Ortopedia", "9018", "Uso externo"},
    {"Meia de Compressão 3/4 Média", "PAR", "Ortopedia", "6115", ""},
    {"Soro Fisiológico 0,9% 500ml", "FR", "Primeiros Socorros", "3004", "Uso tópico e nasal"},
    {"Água Boricada 3% 100ml", "FR", "Primeiros Socorros", "3004", "Uso externo"},
    {"Absorvente Noturno c/ 8", "PCT", "Higiene Pessoal", "9619", "Higiene íntima"}};

constexpr const char* kBrands[] = {"Genérico",   "GENERICO",   "Similar",    "Referência",
                                   "Serra Azul", "Vale Verde", "Linha Bebê", "Dermo Ipê",
                                   "Jequitibá",  "D'Ângelo",   "Popular",    "Farmácia Popular"};

// How a clerk wrote a unit he was not given: lower case, abbreviated or spelled out.
std::string UnitAsTyped(Rng& rng, const char* unit) {
    const int draw = rng.Below(100);
    if (draw < 6)
        return Lower(unit);
    if (draw < 9 && std::string_view(unit) == "UN")
        return draw < 8 ? "Unid." : "UNIDADE";
    return unit;
}

constexpr const char* kGroupNames[] = {"Medicamentos",
                                       "Genéricos",
                                       "Similares",
                                       "Referência",
                                       "Antibióticos",
                                       "Analgésicos",
                                       "Anti-inflamatórios",
                                       "Antigripais",
                                       "Vitaminas e Suplementos",
                                       "Dermocosméticos",
                                       "Higiene Pessoal",
                                       "Higiene Bucal",
                                       "Perfumaria",
                                       "Cabelos",
                                       "Infantil",
                                       "Fraldas",
                                       "Mamães e Bebês",
                                       "Primeiros Socorros",
                                       "Curativos",
                                       "Ortopedia",
                                       "Aparelhos de Pressão",
                                       "Termômetros",
                                       "Controlados (Portaria 344)",
                                       "Fitoterápicos",
                                       "Homeopatia",
                                       "Manipulados",
                                       "Protetor Solar",
                                       "Desodorantes",
                                       "Sabonetes",
                                       "Preservativos",
                                       "Alimentos Diet e Light",
                                       "Chás",
                                       "Conveniência",
                                       "Oftálmicos",
                                       "Otológicos",
                                       "Nasais",
                                       "Xaropes",
                                       "Pomadas e Cremes",
                                       "Injetáveis",
                                       "Anticoncepcionais",
                                       "Hormônios",
                                       "Antialérgicos",
                                       "Antiácidos",
                                       "Antidiabéticos",
                                       "Anti-hipertensivos",
                                       "Cardiológicos",
                                       "Psicotrópicos",
                                       "Veterinários",
                                       "Acessórios",
                                       "Maquiagem",
                                       "Esmaltes",
                                       "Barbear",
                                       "Repelentes",
                                       "Geriatria",
                                       "Material Hospitalar",
                                       "Linha D'Ouro"};
constexpr int kGroupNameCount = static_cast<int>(std::size(kGroupNames));

constexpr const char* kGroupQualifiers[] = {
    "Linha Popular",  "Farmácia Popular", "Importados", "Promoção", "Balcão",    "Vitrine",
    "Estoque Antigo", "Não usar",         "Diversos",   "Loja 2",   "Convênios", "Sazonais"};

int GroupNameIndex(std::string_view name) {
    for (int i = 0; i < kGroupNameCount; ++i)
        if (name == kGroupNames[i])
            return i;
    return 0;
}

// A group CONTROLE (1..groups) whose name is `name`, possibly one of its later variants
// ("Antibióticos - Promoção"); group i is named after kGroupNames[(i - 1) % kGroupNameCount].
int GroupNamed(Rng& rng, std::string_view name, int groups) {
    const int base = GroupNameIndex(name);
    if (base >= groups)
        return 1 + rng.Below(groups);
    const int variants = (groups - 1 - base) / kGroupNameCount + 1;
    return base + 1 + kGroupNameCount * (rng.Percent(70) ? 0 : rng.Below(variants));
}

// ---------------------------------------------------------------------------------------------
// Fiscal codes. The conversion names a fiscal classification by the first four characters of
// CONTROLE, never more than four digits, and the product conversion adds one classification
// for every NCM it cannot find, numbered after the greatest existing one. So CONTROLE runs
// 1..kMaxDirectCodes and the rows beyond repeat the NCM of one of those under a CONTROLE that
// starts with the same four digits (1234 -> 12340, 12341, ...): whichever of the two the
// server returns first is written under that code and the other is skipped as a repeated NCM,
// in any order. The products then add at most kMaxMissingNcms + kMaxDottedProductNcms
// classifications, which still fit under 9999.

constexpr int kMaxDirectCodes = 9000;
constexpr int kMaxMissingNcms = 300;
constexpr int kMaxDottedProductNcms = 200;
static_assert(kMaxDirectCodes + kMaxMissingNcms + kMaxDottedProductNcms < 9999);

// Four-digit headings a pharmacy sells under: medicines, dressings, cosmetics, perfumes, oral
// care, soaps, supplements, instruments, diapers, gloves, thermometers, infant food,
// repellents, toothbrushes, cotton, stockings, tea.
constexpr const char* kNcmHeadings[] = {
    "3004", "3003", "3005", "3006", "3002", "3304", "3305", "3306", "3307", "3401", "2106", "2936",
    "9018", "9619", "4014", "4015", "9025", "1901", "3808", "9603", "5601", "6115", "3303", "0902"};
constexpr int kNcmHeadingCount = static_cast<int>(std::size(kNcmHeadings));

int HeadingIndex(std::string_view heading) {
    for (int i = 0; i < kNcmHeadingCount; ++i)
        if (heading == kNcmHeadings[i])
            return i;
    return 0;
}

// A distinct eight-digit NCM for every key below 24 x 10000: the heading cycles with the key,
// and 7919, prime to 10000, spreads the last four digits over every value once per heading.
std::string NcmDigits(int key) {
    std::string out = kNcmHeadings[key % kNcmHeadingCount];
    AppendNumber(out, (static_cast<std::int64_t>(key / kNcmHeadingCount) * 7919 + 4321) % 10000, 4);
    return out;
}

std::string NcmDotted(const std::string& d) {
    return d.substr(0, 4) + '.' + d.substr(4, 2) + '.' + d.substr(6, 2);
}

// The NCM as someone typed it into the legacy table.
std::string NcmAsTyped(Rng& rng, const std::string& d) {
    const int draw = rng.Below(100);
    if (draw < 45)
        return NcmDotted(d);
    if (draw < 90)
        return d;
    if (draw < 96)
        return d.substr(0, 4) + '.' + d.substr(4);
    return " " + NcmDotted(d);
}

// A handful of rows without NCM and a few with the ten-digit form, all below 1000 so that no
// repeated row ever needs one of them.
bool IsEmptyNcmCode(int code) {
    return code < 1000 && code % 211 == 17;
}
bool IsLongNcmCode(int code) {
    return code < 1000 && code % 173 == 50;
}

int DecimalDigits(int value) {
    int digits = 1;
    while (value >= 10) {
        value /= 10;
        ++digits;
    }
    return digits;
}

// ---------------------------------------------------------------------------------------------
// Legacy columns and their lengths, from schema/legacy.sql.

const std::vector<Column> kClientColumns = {{"CONTROLE", 0},
                                            {"NOME", 70},
                                            {"ENDERECO", 70},
                                            {"BAIRRO", 40},
                                            {"CIDADE", 40},
                                            {"ESTADO", 2},
                                            {"CEP", 10},
                                            {"TELEFONE", 20},
                                            {"DATA", 0},
                                            {"CGC", 20},
                                            {"CPF", 15},
                                            {"RESPONSAVEL", 50},
                                            {"DATACADASTRO", 0},
                                            {"PAI", 60},
                                            {"MAE", 60},
                                            {"IDENTIDADE", 20},
                                            {"FAX", 20},
                                            {"OBSERVACAO", 65535},
                                            {"EMPRESATRABALHO", 50},
                                            {"LIMITECREDITO", 0},
                                            {"PESSOA", 10},
                                            {"ESTADOCIVIL", 20},
                                            {"REFERENCIA", 60},
                                            {"ATIVO", 1}};

const std::vector<Column> kSupplierColumns = {
    {"CONTROLE", 0}, {"EMPRESA", 60}, {"ENDERECO", 60},      {"BAIRRO", 40}, {"CIDADE", 40},
    {"ESTADO", 2},   {"CEP", 10},     {"TELEFONE", 20},      {"CGC", 20},    {"INSCRICAO", 20},
    {"FAX", 20},     {"EMAIL", 60},   {"OBSERVACAO", 65535}, {"PESSOA", 10}};

const std::vector<Column> kGroupColumns = {{"CONTROLE", 0}, {"GRUPO", 40}};

const std::vector<Column> kFiscalCodeColumns = {{"CONTROLE", 0}, {"NCM", 20}};

const std::vector<Column> kProductColumns = {{"CODIGO", 20},
                                             {"CODIGOBARRA", 20},
                                             {"PRODUTO", 60},
                                             {"GRUPO", 0},
                                             {"FABRICANTE", 40},
                                             {"PRECOCUSTO", 20},
                                             {"CUSTOMEDIO", 0},
                                             {"PRECOVENDA", 20},
                                             {"ESTMINIMO", 0},
                                             {"UNIDADE", 10},
                                             {"LUCRO", 20},
                                             {"ESTMAXIMO", 0},
                                             {"CODNCM", 20},
                                             {"MARCA", 30},
                                             {"CODFORNECEDOR", 10},
                                             {"PESO", 20},
                                             {"DESCRICAOSIMPLES", 60},
                                             {"ATIVO", 5},
                                             {"CST", 10},
                                             {"APLICACAO", 100},
                                             {"CFOP", 10},
                                             {"FRACIONADO", 5},
                                             {"PRECOPRAZO", 0},
                                             {"PRECOPROMOCAO", 0},
                                             {"PRECOCINCO", 0},
                                             {"REGISTROMS", 30}};

// Fills a row column by column, reusing the row's strings; text is cut to the legacy column's
// length so that a strict server accepts every value.
class RowFiller {
public:
    RowFiller(const std::vector<Column>& columns, Row& row) : columns_(columns), row_(row) {
        row_.resize(columns.size());
    }
    void Null() { Next(Value::Kind::Null, {}); }
    void Text(std::string_view text) {
        const int limit = columns_[position_].maxChars;
        Next(Value::Kind::Text, limit > 0 ? FirstChars(text, limit) : text);
    }
    void Number(std::string_view text) { Next(Value::Kind::Number, text); }
    void Number(std::int64_t value) { Number(sample::Number(value)); }
    // NULL, the empty text or the value, as optional columns held them.
    void Optional(Rng& rng, int nullPercent, int emptyPercent, std::string_view text) {
        const int draw = rng.Below(100);
        if (draw < nullPercent)
            Null();
        else if (draw < nullPercent + emptyPercent)
            Text("");
        else
            Text(text);
    }

private:
    void Next(Value::Kind kind, std::string_view text) {
        Value& value = row_[position_++];
        value.kind = kind;
        value.text.assign(text);
    }

    const std::vector<Column>& columns_;
    Row& row_;
    std::size_t position_ = 0;
};

std::string Phone(Rng& rng, int areaCode) {
    const bool mobile = rng.Percent(35);
    const std::string prefix =
        mobile ? "9" + Number(rng.Between(8000, 9999)) : Number(rng.Between(2000, 3999));
    const std::string line = Number(rng.Below(10000), 4);
    const std::string area = Number(areaCode);
    switch (rng.Below(8)) {
    case 0:
        return prefix + "-" + line;
    case 1:
        return area + prefix + line;
    case 2:
        return area + " " + prefix + "-" + line;
    case 3:
        return "(0" + area + ") " + prefix + "-" + line;
    case 4:
        return "(" + area + ")" + prefix + "-" + line;
    default:
        return "(" + area + ") " + prefix + "-" + line;
    }
}

std::string Cep(Rng& rng, const City& city) {
    const int prefix = city.cepFirst + rng.Below(city.cepSpan);
    const std::string five = Number(prefix, 5);
    const std::string three = Number(rng.Below(1000), 3);
    const int draw = rng.Below(100);
    if (draw < 60)
        return five + "-" + three;
    if (draw < 90)
        return five + three;
    return five.substr(0, 2) + "." + five.substr(2) + "-" + three;
}

// CONTROLE of client and product rows: numbered with the gaps that deletions leave, about one
// number in twenty missing, always increasing.
int WithGaps(int index) {
    return index + index / 20 + 1;
}

} // namespace

// ---------------------------------------------------------------------------------------------

int RowCounts::Of(Table table) const {
    switch (table) {
    case Table::Clients:
        return clients;
    case Table::Suppliers:
        return suppliers;
    case Table::Groups:
        return groups;
    case Table::FiscalCodes:
        return fiscalCodes;
    case Table::Products:
        return products;
    }
    return 0;
}

std::optional<RowCounts> CountsForScale(std::string_view scale) {
    // The scale as an exact fraction numerator / 10^k.
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;
    bool point = false;
    int digits = 0;
    for (char c : scale) {
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            if (++digits > 12)
                return std::nullopt;
            numerator = numerator * 10 + (c - '0');
            if (point)
                denominator *= 10;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || numerator == 0)
        return std::nullopt;
    if (numerator > kMaxScale * denominator)
        return std::nullopt;
    // round(base x scale), halves away from zero, in integers.
    auto count = [&](std::int64_t base, int minimum, int maximum) {
        const std::int64_t rounded = (2 * base * numerator + denominator) / (2 * denominator);
        return static_cast<int>(std::clamp<std::int64_t>(rounded, minimum, maximum));
    };
    RowCounts counts;
    counts.clients = count(50000, 1, 1 << 30);
    counts.suppliers = count(2000, 1, 1 << 30);
    counts.groups = count(300, 100, 999);
    counts.fiscalCodes = count(10000, 1, 1 << 30);
    counts.products = count(50000, 1, 1 << 30);
    return counts;
}

std::optional<std::uint64_t> ParseSeed(std::string_view text) {
    if (text.empty() || text.size() > 20)
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (value > (UINT64_MAX - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

SampleData::SampleData(RowCounts counts, std::uint64_t seed)
    : counts_(counts), seed_(seed), directCodes_(std::min(counts.fiscalCodes, kMaxDirectCodes)) {
    // Codes map onto NCM keys through x -> (x * multiplier + offset) mod directCodes_, so the
    // headings come in no visible order; the multiplier is chosen prime to the modulus so
    // that the mapping can be undone.
    const std::int64_t modulus = std::max(directCodes_, 1);
    keyMultiplier_ = 7919;
    while (std::gcd(keyMultiplier_, modulus) != 1)
        keyMultiplier_ += 2;
    keyMultiplier_ %= modulus;
    keyOffset_ = 4813 % modulus;
    keyInverse_ = 0;
    for (std::int64_t r0 = modulus, r1 = keyMultiplier_, t0 = 0, t1 = 1; r1 != 0;) {
        const std::int64_t q = r0 / r1;
        std::tie(r0, r1) = std::make_pair(r1, r0 - q * r1);
        std::tie(t0, t1) = std::make_pair(t1, t0 - q * t1);
        keyInverse_ = ((t0 % modulus) + modulus) % modulus;
    }
}

std::string_view SampleData::TableName(Table table) {
    switch (table) {
    case Table::Clients:
        return "TBCLIENTES";
    case Table::Suppliers:
        return "TBFORNECEDOR";
    case Table::Groups:
        return "TBGRUPO";
    case Table::FiscalCodes:
        return "TB_CODIGO_NCM";
    case Table::Products:
        return "TBESTOQUE";
    }
    return {};
}

const std::vector<Column>& SampleData::Columns(Table table) {
    switch (table) {
    case Table::Clients:
        return kClientColumns;
    case Table::Suppliers:
        return kSupplierColumns;
    case Table::Groups:
        return kGroupColumns;
    case Table::FiscalCodes:
        return kFiscalCodeColumns;
    case Table::Products:
        break;
    }
    return kProductColumns;
}

Row SampleData::RowAt(Table table, int index) const {
    Row row;
    FillRow(table, index, row);
    return row;
}

void SampleData::FillRow(Table table, int index, Row& row) const {
    if (index < 0 || index >= counts_.Of(table))
        throw std::out_of_range("sample row index out of range");
    switch (table) {
    case Table::Clients:
        return FillClient(index, row);
    case Table::Suppliers:
        return FillSupplier(index, row);
    case Table::Groups:
        return FillGroup(index, row);
    case Table::FiscalCodes:
        return FillFiscalCode(index, row);
    case Table::Products:
        return FillProduct(index, row);
    }
}

void SampleData::FillClient(int index, Row& row) const {
    Rng rng(seed_, Stream::Client, index);
    RowFiller fill(kClientColumns, row);
    const bool company = rng.Percent(6);
    const City& city = PickCity(rng);
    const std::string surname = rng.Pick(kSurnames);

    fill.Number(WithGaps(index)); // CONTROLE
    fill.Text(AsTyped(rng, company ? CompanyName(rng, kClientCompanyKinds,
                                                 static_cast<int>(std::size(kClientCompanyKinds)),
                                                 rng.Pick(kPlaceNames))
                                   : PersonName(rng) + " " + surname));
    fill.Optional(rng, 4, 2, Street(rng));
    fill.Optional(rng, 5, 2, rng.Pick(kNeighbourhoods));
    // CIDADE: sometimes missing, empty or only blanks (no city is looked up for those).
    const int cityDraw = rng.Below(100);
    if (cityDraw < 3)
        fill.Null();
    else if (cityDraw < 5)
        fill.Text(cityDraw == 3 ? "" : "   ");
    else
        fill.Text(CityAsTyped(rng, city));
    // ESTADO
    const int stateDraw = rng.Below(100);
    if (stateDraw < 3)
        fill.Null();
    else
        fill.Text(stateDraw < 12 ? Lower(city.state) : city.state);
    fill.Optional(rng, 10, 3, Cep(rng, city));
    // TELEFONE: the old screen filled an unknown number with twelve zeros.
    const int phoneDraw = rng.Below(100);
    if (phoneDraw < 10)
        fill.Null();
    else if (phoneDraw < 15)
        fill.Text("");
    else if (phoneDraw < 18)
        fill.Text("000000000000");
    else
        fill.Text(Phone(rng, city.areaCode));
    // DATA (birth date): often unknown, sometimes the zero date.
    const int birthDraw = rng.Below(100);
    if (birthDraw < (company ? 80 : 15))
        fill.Null();
    else if (birthDraw < (company ? 90 : 20))
        fill.Text("0000-00-00");
    else
        fill.Text(Date(rng, 1932, 2008));
    // CGC, then CPF: a company has the first, a person the second; a blank CGC gives way.
    if (company) {
        const std::string cnpj = Cnpj(rng);
        fill.Text(rng.Percent(70) ? CnpjMasked(cnpj) : cnpj);
        fill.Optional(rng, 80, 20, "");
    } else {
        const int cgcDraw = rng.Below(100);
        if (cgcDraw < 85)
            fill.Null();
        else
            fill.Text(cgcDraw < 95 ? "" : "   ");
        const std::string cpf = Cpf(rng);
        const int cpfDraw = rng.Below(100);
        if (cpfDraw < 10)
            fill.Null();
        else if (cpfDraw < 15)
            fill.Text("");
        else
            fill.Text(cpfDraw < 75 ? CpfMasked(cpf) : cpf);
    }
    // RESPONSAVEL
    if (company)
        fill.Text(AsTyped(rng, PersonName(rng)));
    else
        fill.Optional(rng, 90, 3, PersonName(rng));
    // DATACADASTRO
    const int sinceDraw = rng.Below(100);
    if (sinceDraw < 8)
        fill.Null();
    else if (sinceDraw < 12)
        fill.Text("0000-00-00");
    else
        fill.Text(Date(rng, 1996, 2023));
    // PAI and MAE, of people only.
    fill.Optional(rng, company ? 100 : 50, 5, FirstName(rng, Gender::Man) + " " + surname);
    fill.Optional(rng, company ? 100 : 35, 5, PersonName(rng, Gender::Woman) + " " + surname);
    // IDENTIDADE
    std::string identity;
    switch (rng.Below(5)) {
    case 0: {
        const std::string d = Digits(rng, 8);
        identity = "MG-" + d.substr(0, 2) + "." + d.substr(2, 3) + "." + d.substr(5);
        break;
    }
    case 1: {
        const std::string d = Digits(rng, 7);
        identity = "M-" + d.substr(0, 1) + "." + d.substr(1, 3) + "." + d.substr(4);
        break;
    }
    case 2:
        identity = "SSP/" + std::string(city.state) + " " + Digits(rng, 7);
        break;
    default:
        identity = Digits(rng, rng.Between(7, 10));
        break;
    }
    fill.Optional(rng, company ? 90 : 20, 5, identity);
    // FAX: rarely known; the twelve zeros are kept here.
    const int faxDraw = rng.Below(100);
    if (faxDraw < 85)
        fill.Null();
    else if (faxDraw < 90)
        fill.Text("");
    else if (faxDraw < 93)
        fill.Text("000000000000");
    else
        fill.Text(Phone(rng, city.areaCode));
    fill.Optional(rng, 80, 5, rng.Pick(kClientNotes)); // OBSERVACAO
    fill.Optional(rng, 60, 5, rng.Pick(kWorkplaces));  // EMPRESATRABALHO
    // LIMITECREDITO
    const int limitDraw = rng.Below(100);
    if (limitDraw < 20)
        fill.Null();
    else if (limitDraw < 50)
        fill.Number("0.00");
    else
        fill.Number(Money(static_cast<std::int64_t>(rng.Between(1, 60)) * 5000 +
                          (rng.Percent(10) ? rng.Between(1, 99) : 0)));
    // PESSOA
    static constexpr const char* kPersons[] = {"F", "F", "F", "F", "FISICA", "Física", "f"};
    static constexpr const char* kCompanies[] = {"J", "J", "JURIDICA", "Jurídica"};
    if (rng.Percent(10))
        fill.Null();
    else
        fill.Text(company ? rng.Pick(kCompanies) : rng.Pick(kPersons));
    fill.Optional(rng, 30, 5, company ? "" : rng.Pick(kMaritalStatus)); // ESTADOCIVIL
    fill.Optional(rng, 85, 3, rng.Pick(kReferences));                   // REFERENCIA
    // ATIVO
    static constexpr const char* kActive[] = {"S", "S", "S", "S", "S", "S", "S", "S",
                                              "S", "S", "S", "S", "N", "N", "s", "n"};
    if (rng.Percent(5))
        fill.Null();
    else
        fill.Text(rng.Pick(kActive));
}

void SampleData::FillSupplier(int index, Row& row) const {
    Rng rng(seed_, Stream::Supplier, index);
    RowFiller fill(kSupplierColumns, row);
    const City& city = PickCity(rng);
    const bool person = rng.Percent(8);
    const std::string_view place = rng.Pick(kPlaceNames);

    fill.Number(index + index / 15 + 1); // CONTROLE
    fill.Text(AsTyped(rng, person
                               ? PersonName(rng) + " - Representações"
                               : CompanyName(rng, kSupplierKinds,
                                             static_cast<int>(std::size(kSupplierKinds)), place)));
    fill.Optional(rng, 5, 2, Street(rng));
    fill.Optional(rng, 5, 2, rng.Pick(kNeighbourhoods));
    // CIDADE: a blank-only city is looked up as it stands for suppliers.
    const int cityDraw = rng.Below(100);
    if (cityDraw < 3)
        fill.Null();
    else if (cityDraw < 5)
        fill.Text(cityDraw == 3 ? "" : " ");
    else
        fill.Text(CityAsTyped(rng, city));
    if (rng.Percent(3))
        fill.Null();
    else
        fill.Text(rng.Percent(8) ? Lower(city.state) : city.state);
    fill.Optional(rng, 8, 3, Cep(rng, city));
    // TELEFONE and FAX: twelve zeros and blanks mean "none".
    auto phone = [&](int nonePercent) {
        const int draw = rng.Below(100);
        if (draw < nonePercent)
            fill.Null();
        else if (draw < nonePercent + 6)
            fill.Text("000000000000");
        else if (draw < nonePercent + 9)
            fill.Text("   ");
        else if (draw < nonePercent + 11)
            fill.Text("");
        else
            fill.Text(Phone(rng, city.areaCode));
    };
    phone(8);
    // CGC: a company's CNPJ, a representative's CPF, with or without the mask.
    std::string document;
    if (person) {
        const std::string cpf = Cpf(rng);
        document = rng.Percent(60) ? CpfMasked(cpf) : cpf;
    } else {
        const std::string cnpj = Cnpj(rng);
        document = rng.Percent(65) ? CnpjMasked(cnpj) : cnpj;
    }
    fill.Optional(rng, 5, 0, document);
    // INSCRICAO: digits with the state's mask, or the exemption in its several spellings.
    static constexpr const char* kExempt[] = {"ISENTO",   "ISENTO", "ISENTO", "isento",
                                              " Isento ", "Isenta", "ISENTA"};
    const std::string registration = Digits(rng, 13);
    const int registrationDraw = rng.Below(100);
    std::string inscricao;
    if (registrationDraw < 40)
        inscricao = registration.substr(0, 3) + "." + registration.substr(3, 6) + "." +
                    registration.substr(9, 2) + "-" + registration.substr(11);
    else if (registrationDraw < 60)
        inscricao = registration;
    else
        inscricao = rng.Pick(kExempt);
    fill.Optional(rng, 15, 10, inscricao);
    phone(55); // FAX
    // EMAIL
    std::string slug;
    for (char c : WithoutAccents(place))
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            slug += static_cast<char>(c | 0x20);
    static constexpr const char* kMailboxes[] = {"vendas", "compras", "contato", "financeiro",
                                                 "pedidos"};
    std::string email = std::string(rng.Pick(kMailboxes)) + "@" + slug + ".com.br";
    if (rng.Percent(8))
        email = " " + Upper(email.substr(0, 1)) + email.substr(1) + " ";
    fill.Optional(rng, 30, 5, email);
    fill.Optional(rng, 70, 3, rng.Pick(kSupplierNotes)); // OBSERVACAO
    // PESSOA
    static constexpr const char* kKinds[] = {"J", "J", "J", "J", "J", "J", "Jurídica", "JURIDICA"};
    if (rng.Percent(15))
        fill.Null();
    else
        fill.Text(person ? "F" : rng.Pick(kKinds));
}

void SampleData::FillGroup(int index, Row& row) const {
    Rng rng(seed_, Stream::Group, index);
    RowFiller fill(kGroupColumns, row);
    constexpr int base = static_cast<int>(std::size(kGroupNames));
    constexpr int qualifiers = static_cast<int>(std::size(kGroupQualifiers));
    std::string name = kGroupNames[index % base];
    if (index >= base) {
        const int round = index / base - 1;
        name += " - ";
        name += kGroupQualifiers[round % qualifiers];
        if (round >= qualifiers)
            name += " " + sample::Number(round / qualifiers + 1);
    }
    // CONTROLE 1..groups: the conversion keeps the last three digits as the group code.
    fill.Number(index + 1);
    const int draw = rng.Below(100);
    if (draw < 2)
        fill.Null();
    else if (draw < 30)
        fill.Text(Upper(name));
    else if (draw < 36)
        fill.Text("  " + name + " ");
    else
        fill.Text(name);
}

int SampleData::NcmSourceRow(int code) const {
    // A few rows repeat the NCM of an earlier row (typed twice, once with dots): the
    // conversion keeps the first it meets.
    while (code > 1 && !IsEmptyNcmCode(code) && !IsLongNcmCode(code)) {
        Rng rng(seed_, Stream::FiscalDuplicate, code);
        if (!rng.Percent(3))
            break;
        int earlier = 1 + rng.Below(code - 1);
        if (IsEmptyNcmCode(earlier) || IsLongNcmCode(earlier))
            --earlier;
        code = earlier;
    }
    return code;
}

int SampleData::KeyOfCode(int code) const {
    return static_cast<int>(((code - 1) * keyMultiplier_ + keyOffset_) % directCodes_);
}

int SampleData::CodeOfKey(int key) const {
    const std::int64_t shifted = ((key - keyOffset_) % directCodes_ + directCodes_) % directCodes_;
    return static_cast<int>(shifted * keyInverse_ % directCodes_) + 1;
}

std::string SampleData::NcmDigitsOfCode(int code) const {
    return NcmDigits(KeyOfCode(NcmSourceRow(code)));
}

void SampleData::FillFiscalCode(int index, Row& row) const {
    Rng rng(seed_, Stream::FiscalCode, index);
    RowFiller fill(kFiscalCodeColumns, row);
    if (index < directCodes_) {
        const int code = index + 1;
        fill.Number(code);
        if (IsEmptyNcmCode(code)) {
            if (code % 2 == 0)
                fill.Text("");
            else
                fill.Null();
        } else if (IsLongNcmCode(code)) {
            const std::string d = NcmDigits(KeyOfCode(code));
            fill.Text(rng.Percent(50) ? NcmDotted(d) + ".00" : d + "00");
        } else {
            fill.Text(NcmAsTyped(rng, NcmDigitsOfCode(code)));
        }
        return;
    }
    // A repeated row: code 1000..directCodes_ under CONTROLE code*10+k, code*100+k, ...
    const int repeat = index - directCodes_;
    const int span = directCodes_ - 999;
    const int code = 1000 + repeat % span;
    const int round = repeat / span;
    std::int64_t control = code;
    for (int i = 0; i < DecimalDigits(round); ++i)
        control *= 10;
    control += round;
    if (control > INT32_MAX)
        throw std::length_error("too many fiscal codes for distinct CONTROLE values");
    fill.Number(control);
    fill.Text(NcmAsTyped(rng, NcmDigitsOfCode(code)));
}

std::string SampleData::ExistingNcmForProduct(std::uint64_t pick, int heading) const {
    // A row of the legacy table under the product's heading whose NCM is its own, found
    // through the key; a few tries, then any row.
    for (std::uint64_t attempt = 0; attempt < 8 && heading < directCodes_; ++attempt) {
        const auto slots =
            static_cast<std::uint64_t>((directCodes_ - 1 - heading) / kNcmHeadingCount + 1);
        const int key = heading + kNcmHeadingCount * static_cast<int>(Mix(pick + attempt) % slots);
        const int code = CodeOfKey(key);
        if (!IsEmptyNcmCode(code) && !IsLongNcmCode(code) && NcmSourceRow(code) == code)
            return NcmDigits(key);
    }
    int code = 1 + static_cast<int>(pick % static_cast<std::uint64_t>(directCodes_));
    if (IsEmptyNcmCode(code))
        --code;
    if (code < 1 || IsEmptyNcmCode(code))
        return {};
    // A long row is stored under its first eight digits, so these find it as well.
    return NcmDigitsOfCode(code);
}

void SampleData::FillProduct(int index, Row& row) const {
    Rng rng(seed_, Stream::Product, index);
    RowFiller fill(kProductColumns, row);

    // CODIGO: the conversion keeps six characters, so every form stays within six.
    const int number = WithGaps(index);
    const std::string code = sample::Number(number);
    if (index % 250 == 137) {
        // A line the old system saved without code; the conversion skips it.
        const int kind = (index / 250) % 3;
        if (kind == 0)
            fill.Null();
        else
            fill.Text(kind == 1 ? "" : "   ");
    } else {
        const int draw = rng.Below(100);
        if (draw < 6 && code.size() < 6)
            fill.Text(sample::Number(number, 6));
        else if (draw < 8 && code.size() < 5)
            fill.Text(sample::Number(number, 5));
        else if (draw < 11)
            fill.Text(" " + code);
        else if (draw < 13)
            fill.Text(code + " ");
        else
            fill.Text(code);
    }
    // CODIGOBARRA
    const int barDraw = rng.Below(100);
    if (barDraw < 10)
        fill.Null();
    else if (barDraw < 15)
        fill.Text("");
    else if (barDraw < 17)
        fill.Text("SEM GTIN");
    else
        fill.Text((barDraw < 20 ? " " : "") + Ean13(rng));
    // PRODUTO, and what follows from it: group, unit, NCM heading, use.
    const bool medicine = rng.Percent(65);
    std::string description;
    std::string shortDescription;
    std::string unit;
    std::string_view group;
    std::string_view use;
    int heading = 0;
    if (medicine) {
        const Medicine& m = rng.Pick(kMedicines);
        const Pack* pack = nullptr;
        do
            pack = &rng.Pick(kPacks);
        while ((pack->kind & m.packs) == 0);
        description = std::string(m.ingredient) + " " + m.strength + " " + pack->text;
        shortDescription = std::string(m.ingredient) + " " + m.strength;
        unit = UnitOf(rng, pack->kind);
        static constexpr const char* kMedicineGroups[] = {"Medicamentos", "Genéricos", "Similares",
                                                          "Referência"};
        const int groupDraw = rng.Below(100);
        group = groupDraw < 50                            ? m.group
                : groupDraw < 60 && pack->kind == Liquid  ? "Xaropes"
                : groupDraw < 60 && pack->kind == Topical ? "Pomadas e Cremes"
                                                          : rng.Pick(kMedicineGroups);
        use = m.use;
        heading = rng.Percent(85) ? HeadingIndex("3004") : HeadingIndex("3003");
    } else {
        const Good& good = rng.Pick(kGoods);
        description = good.description;
        // The name without its size or count: the words before the first that holds a digit
        // or the "c/" of a count.
        std::string_view words = good.description;
        std::size_t end = 0;
        for (std::size_t start = 0; start < words.size();) {
            std::size_t stop = words.find(' ', start);
            if (stop == std::string_view::npos)
                stop = words.size();
            const std::string_view word = words.substr(start, stop - start);
            if (word == "c/" || word.find_first_of("0123456789") != std::string_view::npos)
                break;
            end = stop;
            start = stop + 1;
        }
        shortDescription = words.substr(0, end);
        unit = good.unit;
        group = rng.Percent(80) ? good.group : rng.Percent(50) ? "Conveniência" : "Perfumaria";
        use = good.use;
        heading = HeadingIndex(good.ncmHeading);
    }
    fill.Text(AsTyped(rng, description));
    // GRUPO
    const int groupDraw = rng.Below(100);
    if (groupDraw < 3)
        fill.Null();
    else if (groupDraw < 4)
        fill.Number(0);
    else if (groupDraw < 8)
        fill.Number(rng.Between(1, counts_.groups)); // filed under the wrong group
    else
        fill.Number(GroupNamed(rng, group, counts_.groups));
    // FABRICANTE
    const int makerDraw = rng.Below(100);
    if (makerDraw < 5)
        fill.Null();
    else if (makerDraw < 8)
        fill.Text("");
    else
        fill.Text(ManufacturerAsTyped(rng, medicine));
    // Prices typed as text: with "." or ",", sometimes whole, blank for "no price".
    const std::int64_t price =
        static_cast<std::int64_t>(rng.Between(150, 25000)) * (rng.Percent(3) ? 10 : 1);
    const std::int64_t cost = price * rng.Between(45, 75) / 100;
    auto priceText = [&](std::int64_t cents) {
        const int draw = rng.Below(100);
        if (draw < 50)
            return Money(cents);
        if (draw < 80)
            return Money(cents, ',');
        if (draw < 92)
            return Money(cents, ',', true);
        return Money(cents, '.', true);
    };
    auto textNumber = [&](int nullPercent, int blankPercent, const std::string& text) {
        const int draw = rng.Below(100);
        if (draw < nullPercent)
            fill.Null();
        else if (draw < nullPercent + blankPercent)
            fill.Text(draw % 2 == 0 ? "" : "  ");
        else
            fill.Text(text);
    };
    textNumber(5, 4, priceText(cost)); // PRECOCUSTO
    // CUSTOMEDIO: a DOUBLE, read back as the server prints it ("1e-05" included).
    const int averageDraw = rng.Below(1000);
    if (averageDraw < 150)
        fill.Null();
    else if (averageDraw < 155)
        fill.Number("0.00001");
    else {
        const std::int64_t tenThousandths =
            cost * 100 * rng.Between(95, 105) / 100 + rng.Below(100);
        std::string text = sample::Number(tenThousandths / 10000) + ".";
        AppendNumber(text, tenThousandths % 10000, 4);
        fill.Number(text);
    }
    textNumber(3, 3, priceText(price)); // PRECOVENDA
    // ESTMINIMO
    const int minimum = rng.Between(0, 10);
    if (rng.Percent(20))
        fill.Null();
    else
        fill.Number(
            Quantity(static_cast<std::int64_t>(minimum) * 1000 + (rng.Percent(5) ? 500 : 0)));
    // UNIDADE
    const int unitDraw = rng.Below(100);
    if (unitDraw < 5)
        fill.Null();
    else if (unitDraw < 8)
        fill.Text("");
    else
        fill.Text(UnitAsTyped(rng, unit.c_str()));
    // LUCRO: margin over cost, in per cent.
    const std::int64_t margin = cost > 0 ? (price - cost) * 10000 / cost : 0;
    textNumber(10, 6, rng.Percent(30) ? sample::Number(margin / 100) : priceText(margin));
    // ESTMAXIMO
    if (rng.Percent(25))
        fill.Null();
    else
        fill.Number(Quantity(static_cast<std::int64_t>(minimum + rng.Between(0, 90)) * 1000));
    // CODNCM
    const int stride =
        std::max(250, (counts_.products + kMaxDottedProductNcms - 1) / kMaxDottedProductNcms);
    const int missingPool = std::clamp(counts_.products / 100, 1, kMaxMissingNcms);
    const std::string existing = ExistingNcmForProduct(rng.Next(), heading);
    if (index % stride == stride / 2 && !existing.empty()) {
        // Typed with dots: never found as typed, so each one adds a classification.
        fill.Text(NcmDotted(existing));
    } else if (index % 97 == 3) {
        // An NCM the legacy NCM table lacks, under the product's heading where the pool has
        // one: added once, found afterwards.
        const int first =
            ((heading - directCodes_) % kNcmHeadingCount + kNcmHeadingCount) % kNcmHeadingCount;
        const int pick =
            first < missingPool
                ? first + kNcmHeadingCount *
                              ((index / 97) % ((missingPool - first - 1) / kNcmHeadingCount + 1))
                : (index / 97) % missingPool;
        fill.Text(NcmDigits(directCodes_ + pick));
    } else {
        const int draw = rng.Below(100);
        if (draw < 5)
            fill.Null();
        else if (draw < 7)
            fill.Text("");
        else if (draw < 8)
            fill.Text("  ");
        else if (draw < 10) {
            // The classification's own code typed in place of the NCM.
            const int classification = 1 + rng.Below(directCodes_);
            fill.Text(rng.Percent(50) ? sample::Number(classification)
                                      : sample::Number(classification, 4));
        } else
            fill.Text(existing);
    }
    // MARCA
    fill.Optional(rng, 40, 5, rng.Pick(kBrands));
    // CODFORNECEDOR
    const int supplier = rng.Below(counts_.suppliers);
    const std::string supplierCode = sample::Number(supplier + supplier / 15 + 1);
    const int supplierDraw = rng.Below(100);
    if (supplierDraw < 25)
        fill.Null();
    else if (supplierDraw < 35)
        fill.Text("");
    else if (supplierDraw < 40)
        fill.Text("0");
    else if (supplierDraw < 43)
        fill.Text(" " + supplierCode);
    else
        fill.Text(supplierCode);
    // PESO, in kilograms.
    const std::int64_t grams = rng.Between(5, 1500);
    textNumber(40, 10, rng.Percent(50) ? Quantity(grams) : Money(grams / 10, ','));
    // DESCRICAOSIMPLES
    fill.Optional(rng, 30, 5, rng.Percent(50) ? Upper(shortDescription) : shortDescription);
    // ATIVO: "0" alone makes a product inactive.
    static constexpr const char* kActive[] = {"1", "1", "1", "1",  "1",    "1", "1", "1",
                                              "1", "1", "1", "1",  "1",    "1", "0", "0",
                                              "S", "S", "N", " 0", "True", ""};
    if (rng.Percent(5))
        fill.Null();
    else
        fill.Text(rng.Pick(kActive));
    // CST
    static constexpr const char* kTaxStatus[] = {"0102", "0102",   "0102", "0102", "0102", "0102",
                                                 "0102", "0102",   "0102", "0500", "0500", "0500",
                                                 "0500", " 0102 ", "102",  "060",  "0101", ""};
    if (rng.Percent(10))
        fill.Null();
    else
        fill.Text(rng.Pick(kTaxStatus));
    fill.Optional(rng, 45, 5, use); // APLICACAO
    // CFOP
    static constexpr const char* kCfops[] = {"5102", "5102", "5102", "5405", "5405", "5.102"};
    fill.Optional(rng, 20, 10, rng.Pick(kCfops));
    // FRACIONADO
    static constexpr const char* kFractions[] = {
        "False", "False", "False", "False", "False", "False", "False", "False", "True",
        "True",  "True",  "True",  "false", "FALSE", "N",     "S",     "0"};
    if (rng.Percent(15))
        fill.Null();
    else
        fill.Text(rng.Pick(kFractions));
    // PRECOPRAZO, PRECOPROMOCAO, PRECOCINCO: DECIMAL columns, mostly unused.
    if (rng.Percent(60))
        fill.Null();
    else
        fill.Number(Money(price * 105 / 100));
    if (rng.Percent(80))
        fill.Null();
    else
        fill.Number(Money(price * 90 / 100));
    if (rng.Percent(90))
        fill.Null();
    else
        fill.Number(Money(price * 95 / 100));
    // REGISTROMS: the registration number of a medicine, the notification of the rest.
    std::string registry;
    if (medicine) {
        const std::string d = Digits(rng, 13);
        registry = rng.Percent(60) ? d.substr(0, 1) + "." + d.substr(1, 4) + "." + d.substr(5, 4) +
                                         "." + d.substr(9, 3) + "-" + d.substr(12)
                                   : d;
    } else {
        registry = "25351." + Digits(rng, 6) + "/20" + Digits(rng, 2) + "-" + Digits(rng, 2);
    }
    fill.Optional(rng, medicine ? 20 : 70, 5, registry);
}

void SampleData::Write(std::ostream& out) const {
    std::string buffer;
    buffer.reserve(1 << 21);
    auto flush = [&] {
        out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        buffer.clear();
    };
    // Strict, so that a value longer than its column stops the load instead of being cut
    // silently; without NO_ZERO_DATE, so that the zero dates of the old system load as such.
    buffer += "SET NAMES utf8mb4;\n"
              "SET SESSION sql_mode = 'STRICT_ALL_TABLES,NO_ENGINE_SUBSTITUTION';\n";
    for (Table table : kTables) {
        buffer += "DELETE FROM ";
        buffer += TableName(table);
        buffer += ";\n";
    }
    Row row;
    for (Table table : kTables) {
        const int count = counts_.Of(table);
        const auto& columns = Columns(table);
        std::string head = "INSERT INTO ";
        head += TableName(table);
        head += " (";
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (i > 0)
                head += ", ";
            head += columns[i].name;
        }
        head += ") VALUES\n";
        for (int index = 0; index < count; ++index) {
            buffer += index % kRowsPerInsert == 0 ? head : std::string_view(",\n");
            FillRow(table, index, row);
            buffer += '(';
            for (std::size_t i = 0; i < row.size(); ++i) {
                if (i > 0)
                    buffer += ", ";
                const Value& value = row[i];
                if (value.kind == Value::Kind::Null) {
                    buffer += "NULL";
                } else if (value.kind == Value::Kind::Number) {
                    buffer += value.text;
                } else {
                    // Apostrophes doubled; the data hold no backslash, so the literal means
                    // the same whatever the server's escape settings.
                    buffer += '\'';
                    for (char c : value.text) {
                        if (c == '\'')
                            buffer += '\'';
                        buffer += c;
                    }
                    buffer += '\'';
                }
            }
            buffer += ')';
            if (index % kRowsPerInsert == kRowsPerInsert - 1 || index == count - 1)
                buffer += ";\n";
            if (buffer.size() > (1 << 20))
                flush();
        }
    }
    flush();
}

std::string SampleData::Script() const {
    std::ostringstream out;
    Write(out);
    return std::move(out).str();
}

} // namespace vorlanda::sample
