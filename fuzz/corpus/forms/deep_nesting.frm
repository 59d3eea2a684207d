VERSION 5.00
Begin VB.Form F
 Begin FolivanTabs.FolivanTab T
 Begin VB.Frame F0
 Begin VB.Frame F1
 Begin VB.Frame F2
 Begin VB.Frame F3
 Begin VB.Frame F4
 Begin VB.Frame F5
 Begin VB.Frame F6
 Begin VB.Frame F7
 Begin VB.Frame F8
 Begin VB.Frame F9
 Begin VB.Frame F10
 Begin VB.Frame F11
 Begin VB.Frame F12
 Begin VB.Frame F13
 Begin VB.Frame F14
 Begin VB.Frame F15
 Begin VB.Frame F16
 Begin VB.Frame F17
 Begin VB.Frame F18
 Begin VB.Frame F19
 Begin VB.Frame F20
 Begin VB.Frame F21
 Begin VB.Frame F22
 Begin VB.Frame F23
 Begin VB.Frame F24
 Begin VB.Frame F25
 Begin VB.Frame F26
 Begin VB.Frame F27
 Begin VB.Frame F28
 Begin VB.Frame F29
 Begin VB.Frame F30
 Begin VB.Frame F31
 Begin VB.Frame F32
 Begin VB.Frame F33
 Begin VB.Frame F34
 Begin VB.Frame F35
 Begin VB.Frame F36
 Begin VB.Frame F37
 Begin VB.Frame F38
 Begin VB.Frame F39
 Begin VB.Frame F40
 Begin VB.Frame F41
 Begin VB.Frame F42
 Begin VB.Frame F43
 Begin VB.Frame F44
 Begin VB.Frame F45
 Begin VB.Frame F46
 Begin VB.Frame F47
 Begin VB.Frame F48
 Begin VB.Frame F49
 Begin VB.Frame F50
 Begin VB.Frame F51
 Begin VB.Frame F52
 Begin VB.Frame F53
 Begin VB.Frame F54
 Begin VB.Frame F55
 Begin VB.Frame F56
 Begin VB.Frame F57
 Begin VB.Frame F58
 Begin VB.Frame F59
 Begin VB.Frame F60
 Begin VB.Frame F61
 Begin VB.Frame F62
 Begin VB.Frame F63
 Begin VB.Frame F64
 Begin VB.Frame F65
 Begin VB.Frame F66
 Begin VB.Frame F67
 Begin VB.Frame F68
 Begin VB.Frame F69
 Begin VB.Frame F70
 Begin VB.Frame F71
 Begin VB.Frame F72
 Begin VB.Frame F73
 Begin VB.Frame F74
 Begin VB.Frame F75
 Begin VB.Frame F76
 Begin VB.Frame F77
 Begin VB.Frame F78
 Begin VB.Frame F79
 Begin VB.Frame F80
 Begin VB.Frame F81
 Begin VB.Frame F82
 Begin VB.Frame F83
 Begin VB.Frame F84
 Begin VB.Frame F85
 Begin VB.Frame F86
 Begin VB.Frame F87
 Begin VB.Frame F88
 Begin VB.Frame F89
 Begin VB.Frame F90
 Begin VB.Frame F91
 Begin VB.Frame F92
 Begin VB.Frame F93
 Begin VB.Frame F94
 Begin VB.Frame F95
 Begin VB.Frame F96
 Begin VB.Frame F97
 Begin VB.Frame F98
 Begin VB.Frame F99
 Begin VB.Frame F100
 Begin VB.Frame F101
 Begin VB.Frame F102
 Begin VB.Frame F103
 Begin VB.Frame F104
 Begin VB.Frame F105
 Begin VB.Frame F106
 Begin VB.Frame F107
 Begin VB.Frame F108
 Begin VB.Frame F109
 Begin VB.Frame F110
 Begin VB.Frame F111
 Begin VB.Frame F112
 Begin VB.Frame F113
 Begin VB.Frame F114
 Begin VB.Frame F115
 Begin VB.Frame F116
 Begin VB.Frame F117
 Begin VB.Frame F118
 Begin VB.Frame F119
 Begin VB.Frame F120
 Begin VB.Frame F121
 Begin VB.Frame F122
 Begin VB.Frame F123
 Begin VB.Frame F124
 Begin VB.Frame F125
 Begin VB.Frame F126
 Begin VB.Frame F127
 Begin VB.Frame F128
 Begin VB.Frame F129
 Begin VB.Frame F130
 Begin VB.Frame F131
 Begin VB.Frame F132
 Begin VB.Frame F133
 Begin VB.Frame F134
 Begin VB.Frame F135
 Begin VB.Frame F136
 Begin VB.Frame F137
 Begin VB.Frame F138
 Begin VB.Frame F139
 Begin VB.Frame F140
 Begin VB.Frame F141
 Begin VB.Frame F142
 Begin VB.Frame F143
 Begin VB.Frame F144
 Begin VB.Frame F145
 Begin VB.Frame F146
 Begin VB.Frame F147
 Begin VB.Frame F148
 Begin VB.Frame F149
 Begin VB.Frame F150
 Begin VB.Frame F151
 Begin VB.Frame F152
 Begin VB.Frame F153
 Begin VB.Frame F154
 Begin VB.Frame F155
 Begin VB.Frame F156
 Begin VB.Frame F157
 Begin VB.Frame F158
 Begin VB.Frame F159
 Begin VB.Frame F160
 Begin VB.Frame F161
 Begin VB.Frame F162
 Begin VB.Frame F163
 Begin VB.Frame F164
 Begin VB.Frame F165
 Begin VB.Frame F166
 Begin VB.Frame F167
 Begin VB.Frame F168
 Begin VB.Frame F169
 Begin VB.Frame F170
 Begin VB.Frame F171
 Begin VB.Frame F172
 Begin VB.Frame F173
 Begin VB.Frame F174
 Begin VB.Frame F175
 Begin VB.Frame F176
 Begin VB.Frame F177
 Begin VB.Frame F178
 Begin VB.Frame F179
 Begin VB.Frame F180
 Begin VB.Frame F181
 Begin VB.Frame F182
 Begin VB.Frame F183
 Begin VB.Frame F184
 Begin VB.Frame F185
 Begin VB.Frame F186
 Begin VB.Frame F187
 Begin VB.Frame F188
 Begin VB.Frame F189
 Begin VB.Frame F190
 Begin VB.Frame F191
 Begin VB.Frame F192
 Begin VB.Frame F193
 Begin VB.Frame F194
 Begin VB.Frame F195
 Begin VB.Frame F196
 Begin VB.Frame F197
 Begin VB.Frame F198
 Begin VB.Frame F199
 Begin VB.Frame F200
 Begin VB.Frame F201
 Begin VB.Frame F202
 Begin VB.Frame F203
 Begin VB.Frame F204
 Begin VB.Frame F205
 Begin VB.Frame F206
 Begin VB.Frame F207
 Begin VB.Frame F208
 Begin VB.Frame F209
 Begin VB.Frame F210
 Begin VB.Frame F211
 Begin VB.Frame F212
 Begin VB.Frame F213
 Begin VB.Frame F214
 Begin VB.Frame F215
 Begin VB.Frame F216
 Begin VB.Frame F217
 Begin VB.Frame F218
 Begin VB.Frame F219
 Begin VB.Frame F220
 Begin VB.Frame F221
 Begin VB.Frame F222
 Begin VB.Frame F223
 Begin VB.Frame F224
 Begin VB.Frame F225
 Begin VB.Frame F226
 Begin VB.Frame F227
 Begin VB.Frame F228
 Begin VB.Frame F229
 Begin VB.Frame F230
 Begin VB.Frame F231
 Begin VB.Frame F232
 Begin VB.Frame F233
 Begin VB.Frame F234
 Begin VB.Frame F235
 Begin VB.Frame F236
 Begin VB.Frame F237
 Begin VB.Frame F238
 Begin VB.Frame F239
 Begin VB.Frame F240
 Begin VB.Frame F241
 Begin VB.Frame F242
 Begin VB.Frame F243
 Begin VB.Frame F244
 Begin VB.Frame F245
 Begin VB.Frame F246
 Begin VB.Frame F247
 Begin VB.Frame F248
 Begin VB.Frame F249
 Begin VB.Frame F250
 Begin VB.Frame F251
 Begin VB.Frame F252
 Begin VB.Frame F253
 Begin VB.Frame F254
 Begin VB.Frame F255
 Begin VB.Frame F256
 Begin VB.Frame F257
 Begin VB.Frame F258
 Begin VB.Frame F259
 Begin VB.Frame F260
 Begin VB.Frame F261
 Begin VB.Frame F262
 Begin VB.Frame F263
 Begin VB.Frame F264
 Begin VB.Frame F265
 Begin VB.Frame F266
 Begin VB.Frame F267
 Begin VB.Frame F268
 Begin VB.Frame F269
 Begin VB.Frame F270
 Begin VB.Frame F271
 Begin VB.Frame F272
 Begin VB.Frame F273
 Begin VB.Frame F274
 Begin VB.Frame F275
 Begin VB.Frame F276
 Begin VB.Frame F277
 Begin VB.Frame F278
 Begin VB.Frame F279
 Begin VB.Frame F280
 Begin VB.Frame F281
 Begin VB.Frame F282
 Begin VB.Frame F283
 Begin VB.Frame F284
 Begin VB.Frame F285
 Begin VB.Frame F286
 Begin VB.Frame F287
 Begin VB.Frame F288
 Begin VB.Frame F289
 Begin VB.Frame F290
 Begin VB.Frame F291
 Begin VB.Frame F292
 Begin VB.Frame F293
 Begin VB.Frame F294
 Begin VB.Frame F295
 Begin VB.Frame F296
 Begin VB.Frame F297
 Begin VB.Frame F298
 Begin VB.Frame F299
 Begin VB.Frame F300
 Begin VB.Frame F301
 Begin VB.Frame F302
 Begin VB.Frame F303
 Begin VB.Frame F304
 Begin VB.Frame F305
 Begin VB.Frame F306
 Begin VB.Frame F307
 Begin VB.Frame F308
 Begin VB.Frame F309
 Begin VB.Frame F310
 Begin VB.Frame F311
 Begin VB.Frame F312
 Begin VB.Frame F313
 Begin VB.Frame F314
 Begin VB.Frame F315
 Begin VB.Frame F316
 Begin VB.Frame F317
 Begin VB.Frame F318
 Begin VB.Frame F319
 Begin VB.Frame F320
 Begin VB.Frame F321
 Begin VB.Frame F322
 Begin VB.Frame F323
 Begin VB.Frame F324
 Begin VB.Frame F325
 Begin VB.Frame F326
 Begin VB.Frame F327
 Begin VB.Frame F328
 Begin VB.Frame F329
 Begin VB.Frame F330
 Begin VB.Frame F331
 Begin VB.Frame F332
 Begin VB.Frame F333
 Begin VB.Frame F334
 Begin VB.Frame F335
 Begin VB.Frame F336
 Begin VB.Frame F337
 Begin VB.Frame F338
 Begin VB.Frame F339
 Begin VB.Frame F340
 Begin VB.Frame F341
 Begin VB.Frame F342
 Begin VB.Frame F343
 Begin VB.Frame F344
 Begin VB.Frame F345
 Begin VB.Frame F346
 Begin VB.Frame F347
 Begin VB.Frame F348
 Begin VB.Frame F349
 Begin VB.Frame F350
 Begin VB.Frame F351
 Begin VB.Frame F352
 Begin VB.Frame F353
 Begin VB.Frame F354
 Begin VB.Frame F355
 Begin VB.Frame F356
 Begin VB.Frame F357
 Begin VB.Frame F358
 Begin VB.Frame F359
 Begin VB.Frame F360
 Begin VB.Frame F361
 Begin VB.Frame F362
 Begin VB.Frame F363
 Begin VB.Frame F364
 Begin VB.Frame F365
 Begin VB.Frame F366
 Begin VB.Frame F367
 Begin VB.Frame F368
 Begin VB.Frame F369
 Begin VB.Frame F370
 Begin VB.Frame F371
 Begin VB.Frame F372
 Begin VB.Frame F373
 Begin VB.Frame F374
 Begin VB.Frame F375
 Begin VB.Frame F376
 Begin VB.Frame F377
 Begin VB.Frame F378
 Begin VB.Frame F379
 Begin VB.Frame F380
 Begin VB.Frame F381
 Begin VB.Frame F382
 Begin VB.Frame F383
 Begin VB.Frame F384
 Begin VB.Frame F385
 Begin VB.Frame F386
 Begin VB.Frame F387
 Begin VB.Frame F388
 Begin VB.Frame F389
 Begin VB.Frame F390
 Begin VB.Frame F391
 Begin VB.Frame F392
 Begin VB.Frame F393
 Begin VB.Frame F394
 Begin VB.Frame F395
 Begin VB.Frame F396
 Begin VB.Frame F397
 Begin VB.Frame F398
 Begin VB.Frame F399
 Begin VB.Frame F400
 Begin VB.Frame F401
 Begin VB.Frame F402
 Begin VB.Frame F403
 Begin VB.Frame F404
 Begin VB.Frame F405
 Begin VB.Frame F406
 Begin VB.Frame F407
 Begin VB.Frame F408
 Begin VB.Frame F409
 Begin VB.Frame F410
 Begin VB.Frame F411
 Begin VB.Frame F412
 Begin VB.Frame F413
 Begin VB.Frame F414
 Begin VB.Frame F415
 Begin VB.Frame F416
 Begin VB.Frame F417
 Begin VB.Frame F418
 Begin VB.Frame F419
 Begin VB.Frame F420
 Begin VB.Frame F421
 Begin VB.Frame F422
 Begin VB.Frame F423
 Begin VB.Frame F424
 Begin VB.Frame F425
 Begin VB.Frame F426
 Begin VB.Frame F427
 Begin VB.Frame F428
 Begin VB.Frame F429
 Begin VB.Frame F430
 Begin VB.Frame F431
 Begin VB.Frame F432
 Begin VB.Frame F433
 Begin VB.Frame F434
 Begin VB.Frame F435
 Begin VB.Frame F436
 Begin VB.Frame F437
 Begin VB.Frame F438
 Begin VB.Frame F439
 Begin VB.Frame F440
 Begin VB.Frame F441
 Begin VB.Frame F442
 Begin VB.Frame F443
 Begin VB.Frame F444
 Begin VB.Frame F445
 Begin VB.Frame F446
 Begin VB.Frame F447
 Begin VB.Frame F448
 Begin VB.Frame F449
 Begin VB.Frame F450
 Begin VB.Frame F451
 Begin VB.Frame F452
 Begin VB.Frame F453
 Begin VB.Frame F454
 Begin VB.Frame F455
 Begin VB.Frame F456
 Begin VB.Frame F457
 Begin VB.Frame F458
 Begin VB.Frame F459
 Begin VB.Frame F460
 Begin VB.Frame F461
 Begin VB.Frame F462
 Begin VB.Frame F463
 Begin VB.Frame F464
 Begin VB.Frame F465
 Begin VB.Frame F466
 Begin VB.Frame F467
 Begin VB.Frame F468
 Begin VB.Frame F469
 Begin VB.Frame F470
 Begin VB.Frame F471
 Begin VB.Frame F472
 Begin VB.Frame F473
 Begin VB.Frame F474
 Begin VB.Frame F475
 Begin VB.Frame F476
 Begin VB.Frame F477
 Begin VB.Frame F478
 Begin VB.Frame F479
 Begin VB.Frame F480
 Begin VB.Frame F481
 Begin VB.Frame F482
 Begin VB.Frame F483
 Begin VB.Frame F484
 Begin VB.Frame F485
 Begin VB.Frame F486
 Begin VB.Frame F487
 Begin VB.Frame F488
 Begin VB.Frame F489
 Begin VB.Frame F490
 Begin VB.Frame F491
 Begin VB.Frame F492
 Begin VB.Frame F493
 Begin VB.Frame F494
 Begin VB.Frame F495
 Begin VB.Frame F496
 Begin VB.Frame F497
 Begin VB.Frame F498
 Begin VB.Frame F499
 Begin VB.Frame F500
 Begin VB.Frame F501
 Begin VB.Frame F502
 Begin VB.Frame F503
 Begin VB.Frame F504
 Begin VB.Frame F505
 Begin VB.Frame F506
 Begin VB.Frame F507
 Begin VB.Frame F508
 Begin VB.Frame F509
 Begin VB.Frame F510
 Begin VB.Frame F511
 Begin VB.Frame F512
 Begin VB.Frame F513
 Begin VB.Frame F514
 Begin VB.Frame F515
 Begin VB.Frame F516
 Begin VB.Frame F517
 Begin VB.Frame F518
 Begin VB.Frame F519
 Begin VB.Frame F520
 Begin VB.Frame F521
 Begin VB.Frame F522
 Begin VB.Frame F523
 Begin VB.Frame F524
 Begin VB.Frame F525
 Begin VB.Frame F526
 Begin VB.Frame F527
 Begin VB.Frame F528
 Begin VB.Frame F529
 Begin VB.Frame F530
 Begin VB.Frame F531
 Begin VB.Frame F532
 Begin VB.Frame F533
 Begin VB.Frame F534
 Begin VB.Frame F535
 Begin VB.Frame F536
 Begin VB.Frame F537
 Begin VB.Frame F538
 Begin VB.Frame F539
 Begin VB.Frame F540
 Begin VB.Frame F541
 Begin VB.Frame F542
 Begin VB.Frame F543
 Begin VB.Frame F544
 Begin VB.Frame F545
 Begin VB.Frame F546
 Begin VB.Frame F547
 Begin VB.Frame F548
 Begin VB.Frame F549
 Begin VB.Frame F550
 Begin VB.Frame F551
 Begin VB.Frame F552
 Begin VB.Frame F553
 Begin VB.Frame F554
 Begin VB.Frame F555
 Begin VB.Frame F556
 Begin VB.Frame F557
 Begin VB.Frame F558
 Begin VB.Frame F559
 Begin VB.Frame F560
 Begin VB.Frame F561
 Begin VB.Frame F562
 Begin VB.Frame F563
 Begin VB.Frame F564
 Begin VB.Frame F565
 Begin VB.Frame F566
 Begin VB.Frame F567
 Begin VB.Frame F568
 Begin VB.Frame F569
 Begin VB.Frame F570
 Begin VB.Frame F571
 Begin VB.Frame F572
 Begin VB.Frame F573
 Begin VB.Frame F574
 Begin VB.Frame F575
 Begin VB.Frame F576
 Begin VB.Frame F577
 Begin VB.Frame F578
 Begin VB.Frame F579
 Begin VB.Frame F580
 Begin VB.Frame F581
 Begin VB.Frame F582
 Begin VB.Frame F583
 Begin VB.Frame F584
 Begin VB.Frame F585
 Begin VB.Frame F586
 Begin VB.Frame F587
 Begin VB.Frame F588
 Begin VB.Frame F589
 Begin VB.Frame F590
 Begin VB.Frame F591
 Begin VB.Frame F592
 Begin VB.Frame F593
 Begin VB.Frame F594
 Begin VB.Frame F595
 Begin VB.Frame F596
 Begin VB.Frame F597
 Begin VB.Frame F598
 Begin VB.Frame F599
 Begin VB.Frame F600
 Begin VB.Frame F601
 Begin VB.Frame F602
 Begin VB.Frame F603
 Begin VB.Frame F604
 Begin VB.Frame F605
 Begin VB.Frame F606
 Begin VB.Frame F607
 Begin VB.Frame F608
 Begin VB.Frame F609
 Begin VB.Frame F610
 Begin VB.Frame F611
 Begin VB.Frame F612
 Begin VB.Frame F613
 Begin VB.Frame F614
 Begin VB.Frame F615
 Begin VB.Frame F616
 Begin VB.Frame F617
 Begin VB.Frame F618
 Begin VB.Frame F619
 Begin VB.Frame F620
 Begin VB.Frame F621
 Begin VB.Frame F622
 Begin VB.Frame F623
 Begin VB.Frame F624
 Begin VB.Frame F625
 Begin VB.Frame F626
 Begin VB.Frame F627
 Begin VB.Frame F628
 Begin VB.Frame F629
 Begin VB.Frame F630
 Begin VB.Frame F631
 Begin VB.Frame F632
 Begin VB.Frame F633
 Begin VB.Frame F634
 Begin VB.Frame F635
 Begin VB.Frame F636
 Begin VB.Frame F637
 Begin VB.Frame F638
 Begin VB.Frame F639
 Begin VB.Frame F640
 Begin VB.Frame F641
 Begin VB.Frame F642
 Begin VB.Frame F643
 Begin VB.Frame F644
 Begin VB.Frame F645
 Begin VB.Frame F646
 Begin VB.Frame F647
 Begin VB.Frame F648
 Begin VB.Frame F649
 Begin VB.Frame F650
 Begin VB.Frame F651
 Begin VB.Frame F652
 Begin VB.Frame F653
 Begin VB.Frame F654
 Begin VB.Frame F655
 Begin VB.Frame F656
 Begin VB.Frame F657
 Begin VB.Frame F658
 Begin VB.Frame F659
 Begin VB.Frame F660
 Begin VB.Frame F661
 Begin VB.Frame F662
 Begin VB.Frame F663
 Begin VB.Frame F664
 Begin VB.Frame F665
 Begin VB.Frame F666
 Begin VB.Frame F667
 Begin VB.Frame F668
 Begin VB.Frame F669
 Begin VB.Frame F670
 Begin VB.Frame F671
 Begin VB.Frame F672
 Begin VB.Frame F673
 Begin VB.Frame F674
 Begin VB.Frame F675
 Begin VB.Frame F676
 Begin VB.Frame F677
 Begin VB.Frame F678
 Begin VB.Frame F679
 Begin VB.Frame F680
 Begin VB.Frame F681
 Begin VB.Frame F682
 Begin VB.Frame F683
 Begin VB.Frame F684
 Begin VB.Frame F685
 Begin VB.Frame F686
 Begin VB.Frame F687
 Begin VB.Frame F688
 Begin VB.Frame F689
 Begin VB.Frame F690
 Begin VB.Frame F691
 Begin VB.Frame F692
 Begin VB.Frame F693
 Begin VB.Frame F694
 Begin VB.Frame F695
 Begin VB.Frame F696
 Begin VB.Frame F697
 Begin VB.Frame F698
 Begin VB.Frame F699
 Begin VB.Frame F700
 Begin VB.Frame F701
 Begin VB.Frame F702
 Begin VB.Frame F703
 Begin VB.Frame F704
 Begin VB.Frame F705
 Begin VB.Frame F706
 Begin VB.Frame F707
 Begin VB.Frame F708
 Begin VB.Frame F709
 Begin VB.Frame F710
 Begin VB.Frame F711
 Begin VB.Frame F712
 Begin VB.Frame F713
 Begin VB.Frame F714
 Begin VB.Frame F715
 Begin VB.Frame F716
 Begin VB.Frame F717
 Begin VB.Frame F718
 Begin VB.Frame F719
 Begin VB.Frame F720
 Begin VB.Frame F721
 Begin VB.Frame F722
 Begin VB.Frame F723
 Begin VB.Frame F724
 Begin VB.Frame F725
 Begin VB.Frame F726
 Begin VB.Frame F727
 Begin VB.Frame F728
 Begin VB.Frame F729
 Begin VB.Frame F730
 Begin VB.Frame F731
 Begin VB.Frame F732
 Begin VB.Frame F733
 Begin VB.Frame F734
 Begin VB.Frame F735
 Begin VB.Frame F736
 Begin VB.Frame F737
 Begin VB.Frame F738
 Begin VB.Frame F739
 Begin VB.Frame F740
 Begin VB.Frame F741
 Begin VB.Frame F742
 Begin VB.Frame F743
 Begin VB.Frame F744
 Begin VB.Frame F745
 Begin VB.Frame F746
 Begin VB.Frame F747
 Begin VB.Frame F748
 Begin VB.Frame F749
 Begin VB.Frame F750
 Begin VB.Frame F751
 Begin VB.Frame F752
 Begin VB.Frame F753
 Begin VB.Frame F754
 Begin VB.Frame F755
 Begin VB.Frame F756
 Begin VB.Frame F757
 Begin VB.Frame F758
 Begin VB.Frame F759
 Begin VB.Frame F760
 Begin VB.Frame F761
 Begin VB.Frame F762
 Begin VB.Frame F763
 Begin VB.Frame F764
 Begin VB.Frame F765
 Begin VB.Frame F766
 Begin VB.Frame F767
 Begin VB.Frame F768
 Begin VB.Frame F769
 Begin VB.Frame F770
 Begin VB.Frame F771
 Begin VB.Frame F772
 Begin VB.Frame F773
 Begin VB.Frame F774
 Begin VB.Frame F775
 Begin VB.Frame F776
 Begin VB.Frame F777
 Begin VB.Frame F778
 Begin VB.Frame F779
 Begin VB.Frame F780
 Begin VB.Frame F781
 Begin VB.Frame F782
 Begin VB.Frame F783
 Begin VB.Frame F784
 Begin VB.Frame F785
 Begin VB.Frame F786
 Begin VB.Frame F787
 Begin VB.Frame F788
 Begin VB.Frame F789
 Begin VB.Frame F790
 Begin VB.Frame F791
 Begin VB.Frame F792
 Begin VB.Frame F793
 Begin VB.Frame F794
 Begin VB.Frame F795
 Begin VB.Frame F796
 Begin VB.Frame F797
 Begin VB.Frame F798
 Begin VB.Frame F799
 Begin VB.Frame F800
 Begin VB.Frame F801
 Begin VB.Frame F802
 Begin VB.Frame F803
 Begin VB.Frame F804
 Begin VB.Frame F805
 Begin VB.Frame F806
 Begin VB.Frame F807
 Begin VB.Frame F808
 Begin VB.Frame F809
 Begin VB.Frame F810
 Begin VB.Frame F811
 Begin VB.Frame F812
 Begin VB.Frame F813
 Begin VB.Frame F814
 Begin VB.Frame F815
 Begin VB.Frame F816
 Begin VB.Frame F817
 Begin VB.Frame F818
 Begin VB.Frame F819
 Begin VB.Frame F820
 Begin VB.Frame F821
 Begin VB.Frame F822
 Begin VB.Frame F823
 Begin VB.Frame F824
 Begin VB.Frame F825
 Begin VB.Frame F826
 Begin VB.Frame F827
 Begin VB.Frame F828
 Begin VB.Frame F829
 Begin VB.Frame F830
 Begin VB.Frame F831
 Begin VB.Frame F832
 Begin VB.Frame F833
 Begin VB.Frame F834
 Begin VB.Frame F835
 Begin VB.Frame F836
 Begin VB.Frame F837
 Begin VB.Frame F838
 Begin VB.Frame F839
 Begin VB.Frame F840
 Begin VB.Frame F841
 Begin VB.Frame F842
 Begin VB.Frame F843
 Begin VB.Frame F844
 Begin VB.Frame F845
 Begin VB.Frame F846
 Begin VB.Frame F847
 Begin VB.Frame F848
 Begin VB.Frame F849
 Begin VB.Frame F850
 Begin VB.Frame F851
 Begin VB.Frame F852
 Begin VB.Frame F853
 Begin VB.Frame F854
 Begin VB.Frame F855
 Begin VB.Frame F856
 Begin VB.Frame F857
 Begin VB.Frame F858
 Begin VB.Frame F859
 Begin VB.Frame F860
 Begin VB.Frame F861
 Begin VB.Frame F862
 Begin VB.Frame F863
 Begin VB.Frame F864
 Begin VB.Frame F865
 Begin VB.Frame F866
 Begin VB.Frame F867
 Begin VB.Frame F868
 Begin VB.Frame F869
 Begin VB.Frame F870
 Begin VB.Frame F871
 Begin VB.Frame F872
 Begin VB.Frame F873
 Begin VB.Frame F874
 Begin VB.Frame F875
 Begin VB.Frame F876
 Begin VB.Frame F877
 Begin VB.Frame F878
 Begin VB.Frame F879
 Begin VB.Frame F880
 Begin VB.Frame F881
 Begin VB.Frame F882
 Begin VB.Frame F883
 Begin VB.Frame F884
 Begin VB.Frame F885
 Begin VB.Frame F886
 Begin VB.Frame F887
 Begin VB.Frame F888
 Begin VB.Frame F889
 Begin VB.Frame F890
 Begin VB.Frame F891
 Begin VB.Frame F892
 Begin VB.Frame F893
 Begin VB.Frame F894
 Begin VB.Frame F895
 Begin VB.Frame F896
 Begin VB.Frame F897
 Begin VB.Frame F898
 Begin VB.Frame F899
 Begin VB.Frame F900
 Begin VB.Frame F901
 Begin VB.Frame F902
 Begin VB.Frame F903
 Begin VB.Frame F904
 Begin VB.Frame F905
 Begin VB.Frame F906
 Begin VB.Frame F907
 Begin VB.Frame F908
 Begin VB.Frame F909
 Begin VB.Frame F910
 Begin VB.Frame F911
 Begin VB.Frame F912
 Begin VB.Frame F913
 Begin VB.Frame F914
 Begin VB.Frame F915
 Begin VB.Frame F916
 Begin VB.Frame F917
 Begin VB.Frame F918
 Begin VB.Frame F919
 Begin VB.Frame F920
 Begin VB.Frame F921
 Begin VB.Frame F922
 Begin VB.Frame F923
 Begin VB.Frame F924
 Begin VB.Frame F925
 Begin VB.Frame F926
 Begin VB.Frame F927
 Begin VB.Frame F928
 Begin VB.Frame F929
 Begin VB.Frame F930
 Begin VB.Frame F931
 Begin VB.Frame F932
 Begin VB.Frame F933
 Begin VB.Frame F934
 Begin VB.Frame F935
 Begin VB.Frame F936
 Begin VB.Frame F937
 Begin VB.Frame F938
 Begin VB.Frame F939
 Begin VB.Frame F940
 Begin VB.Frame F941
 Begin VB.Frame F942
 Begin VB.Frame F943
 Begin VB.Frame F944
 Begin VB.Frame F945
 Begin VB.Frame F946
 Begin VB.Frame F947
 Begin VB.Frame F948
 Begin VB.Frame F949
 Begin VB.Frame F950
 Begin VB.Frame F951
 Begin VB.Frame F952
 Begin VB.Frame F953
 Begin VB.Frame F954
 Begin VB.Frame F955
 Begin VB.Frame F956
 Begin VB.Frame F957
 Begin VB.Frame F958
 Begin VB.Frame F959
 Begin VB.Frame F960
 Begin VB.Frame F961
 Begin VB.Frame F962
 Begin VB.Frame F963
 Begin VB.Frame F964
 Begin VB.Frame F965
 Begin VB.Frame F966
 Begin VB.Frame F967
 Begin VB.Frame F968
 Begin VB.Frame F969
 Begin VB.Frame F970
 Begin VB.Frame F971
 Begin VB.Frame F972
 Begin VB.Frame F973
 Begin VB.Frame F974
 Begin VB.Frame F975
 Begin VB.Frame F976
 Begin VB.Frame F977
 Begin VB.Frame F978
 Begin VB.Frame F979
 Begin VB.Frame F980
 Begin VB.Frame F981
 Begin VB.Frame F982
 Begin VB.Frame F983
 Begin VB.Frame F984
 Begin VB.Frame F985
 Begin VB.Frame F986
 Begin VB.Frame F987
 Begin VB.Frame F988
 Begin VB.Frame F989
 Begin VB.Frame F990
 Begin VB.Frame F991
 Begin VB.Frame F992
 Begin VB.Frame F993
 Begin VB.Frame F994
 Begin VB.Frame F995
 Begin VB.Frame F996
 Begin VB.Frame F997
 Begin VB.Frame F998
 Begin VB.Frame F999
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
 End
End
