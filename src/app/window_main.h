// Starts the window: "frameplan" asks for a listing, "frameplan LISTING" opens that one.
#pragma once

namespace fp {

int runWindow(int argc, char** argv);

}  // namespace fp
