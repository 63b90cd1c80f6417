// The texts numbers are shown in: level captions, value captions and JSON numbers.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fp {

// Coordinates are held in hundredths of a metre; this is their value in metres. Taken as a
// 32-bit real, it is the same as dividing the 32-bit value by 100.
inline double metres(double hundredths) {
    return hundredths / 100.0;
}

// Level caption: a blank before a value that is not negative, "-" before a negative one, up to
// seven significant digits, "." always, no zero before the point: " 93.6", " 3", " .5", "-1.5".
std::string levelText(float metres);

// Every other caption and label: shortest form with up to seven significant digits, no leading
// blank, no trailing zeros, no point for whole numbers: "4.5", "10", "0.75", "12.01".
std::string valueText(float value, char decimalSeparator = '.');

// The value the listing wrote: the shortest decimal that reads back as `value`, as a 64-bit
// real, so that sums and products are those of the listing's decimals (3.3 kN/m² on 10.8 m² is
// 35.64 kN and not 35.6399995).
double writtenValue(float value);

// The shortest decimal that reads back to the same 32-bit float (4.5, 0.1, 12.01, -0.01, 10).
std::string jsonNumberText(float value);

// A height in metres as the user writes it on the command line ("7.8"): the whole text, a finite
// number; nothing for any other text.
std::optional<float> heightFromText(std::string_view text);

// The hundredths of a metre a height in metres is, as heights are held: nothing when the height
// is not a whole number of them (7.801 m is no height of a listing; 7.8 m is 780).
std::optional<float> exactHundredths(float metres);

}  // namespace fp
