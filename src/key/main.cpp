#include "key/AnswerKey.h"
#include "model/ProgramError.h"
#include "shell/ArithmeticMode.h"

#include <iostream>
#include <stdexcept>

int main(int argc, char** argv)
{
    SetArithmeticMode();
    try {
        const AnswerKeyOptions options =
            ParseAnswerKeyArguments(std::vector<std::string>(argv + 1, argv + argc));
        if (options.help) {
            WriteAnswerKeyUsage(std::cout);
            return 0;
        }
        return WriteAnswerKey(options, std::cout);
    } catch (const std::invalid_argument& failure) {
        std::cerr << "brinell-key: " << failure.what() << '\n';
    } catch (const ProgramError& failure) {
        std::cerr << "brinell-key: " << ShownMessage(failure.what()) << '\n';
    }
    return 2;
}
