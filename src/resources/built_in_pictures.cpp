#include "resources/built_in_pictures.h"

#include "resources/bmp_image.h"
#include "resources/built_in_resources.h"

namespace norvi {

Bitmap loadBuiltInPicture(Resources& resources, const char* name) {
    auto decoded = decodeBmp(resources.find(name, kPictureResourceType));
    return decoded ? std::move(*decoded) : Bitmap();
}

}  // namespace norvi
