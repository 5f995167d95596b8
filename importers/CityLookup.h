#pragma once

#include <QString>

namespace vorlanda {

class TConversao;

// The code FCidade gives a legacy row's city and state; an error names both as read, since a
// city or a state too long for CIDADES is refused when the lookup creates it.
QString LegacyCityCode(TConversao& conversao, const QString& cidade, const QString& estado);

} // namespace vorlanda
