#pragma once

#include <QStringList>

namespace vorlanda {

class Gauge;
class Label;
class ParameterList;
struct ConvertOptions;

// The run's parameter list as the window builds it: the seven bare keys, then "S" for each
// selected table in the order of the window's boxes.
ParameterList RunParameters(const QStringList& tables);

// One conversion as the window does it: opens the target as "Abrir" does, checks it as
// "Converter" does and hands the selected tables to the conversion controller. Every message
// goes through the installed user interface. Returns the exit status: 0 when the controller
// reported success, 1 after a failed run or a refused start, 3 when every table was converted
// but the run showed warnings.
int RunConversion(const ConvertOptions& options, Gauge& barra, Label& lblInfo);

} // namespace vorlanda
