#include "importers/CityLookup.h"

#include "importers/LegacyValueError.h"
#include "writers/classConversao.h"

namespace vorlanda {

QString LegacyCityCode(TConversao& conversao, const QString& cidade, const QString& estado) {
    return NamingLegacyValues([&] { return conversao.FCidade(cidade, estado); },
                              [&] {
                                  return std::vector<LegacyValue>{
                                      {QStringLiteral("CIDADE"), cidade},
                                      {QStringLiteral("ESTADO"), estado}};
                              });
}

} // namespace vorlanda
