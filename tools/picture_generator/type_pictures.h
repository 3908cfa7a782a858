// The type pictures in the program's lookup order, each with its file under assets/types/.
#pragma once

#include <vector>

#include "bearing_model.h"

namespace picture_generator {

struct TypePicture {
    const char* fileName;
    BearingModel (*model)();
};

const std::vector<TypePicture>& typePictures();

}  // namespace picture_generator
