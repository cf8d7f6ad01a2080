// The conversion job and the naming random numbers.
#include "engine/job.h"

#include <random>

ConversionJob Job;

std::int32_t NewRandomNumber() {
    static std::mt19937 generator{std::random_device{}()};
    return std::uniform_int_distribution<std::int32_t>(1, 99999)(generator);
}
