// SPDX-License-Identifier: MIT
#include "app/calc_app.h"

int main(int argc, char** argv) {
    return RunVek(argc, argv);
}
