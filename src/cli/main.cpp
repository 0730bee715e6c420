#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    if (argc > 1 && std::string(argv[1]) == "--help") {
        std::cout << "gavrosin-cli: команды появятся позже\n";
        return 0;
    }
    std::cerr << "gavrosin-cli: укажите команду (--help)\n";
    return 2;
}
