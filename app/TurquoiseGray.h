#pragma once

class QApplication;

namespace vorlanda {

// Gives the whole application the look "Turquoise Gray": a grey face with turquoise
// accents. False when the style could not be applied; the program then keeps Qt's look.
bool ApplyTurquoiseGray(QApplication& application);

} // namespace vorlanda
