# Every file a desktop needs is in the staged install.
foreach(file bin/kordal share/applications/${APP_ID}.desktop share/metainfo/${APP_ID}.metainfo.xml
             share/mime/packages/${APP_ID}.xml
             share/icons/hicolor/scalable/apps/${APP_ID}.svg
             share/icons/hicolor/48x48/apps/${APP_ID}.png
             share/icons/hicolor/256x256/apps/${APP_ID}.png)
    if(NOT EXISTS ${STAGE}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
