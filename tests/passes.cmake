# Tests of the passes.
tamro_add_test(tst_preview_pass SOURCES tst_preview_pass.cpp fake_pass_host.h LIBS tamro_passes)
tamro_add_test(tst_convert_pass SOURCES tst_convert_pass.cpp fake_pass_host.h LIBS tamro_passes)
