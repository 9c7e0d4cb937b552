#include <iostream>

#include "script_driver.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: dravonelle-script DIR < script.txt\n";
        return 2;
    }
    std::ios::sync_with_stdio(false);
    return dravonelle::runScript(std::cin, std::cout, argv[1]);
}
